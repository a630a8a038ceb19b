#pragma once

// The oracle of the rounding properties: the exact decimal value of a double, written out
// digit by digit, and the rounding of such digit strings by schoolbook rules. A finite
// double is m * 2^e with a whole m below 2^53, so its decimal expansion is finite: it is
// m * 2^e when e >= 0, and m * 5^-e shifted by -e decimal places when e < 0. Nothing here
// goes through the standard library's number conversions.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bits.h"
#include "library_reader.h"

namespace lumetra::property {

// A whole number held in base 10^9, least significant limb first.
class BigWhole {
public:
    explicit BigWhole(std::uint64_t v)
    {
        do {
            limbs_.push_back(v % base);
            v /= base;
        } while (v != 0);
    }

    // factor * (10^9 - 1) + carry stays far below 2^64 for any factor below 2^32.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend = 0)
    {
        std::uint64_t carry = addend;
        for (std::uint64_t& limb : limbs_) {
            const std::uint64_t t = limb * factor + carry;
            limb = t % base;
            carry = t / base;
        }
        for (; carry != 0; carry /= base)
            limbs_.push_back(carry % base);
    }

    std::string digits() const
    {
        std::string out = std::to_string(limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            const std::string limb = std::to_string(*it);
            out.append(9 - limb.size(), '0');
            out += limb;
        }
        return out;
    }

private:
    static constexpr std::uint64_t base = 1'000'000'000;
    std::vector<std::uint64_t> limbs_;
};

struct Decimal {
    bool negative = false;
    std::string whole;     // no leading zeros; "0" when below one
    std::string fraction;  // no trailing zeros
};

inline Decimal exactDecimal(double x)
{
    const auto raw = trig::bitsOf(x);
    const auto biased = static_cast<int>((raw >> 52) & 0x7FF);
    std::uint64_t mantissa = raw & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;  // subnormals
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    Decimal d;
    d.negative = (raw >> 63) != 0;
    BigWhole n(mantissa);
    if (exponent >= 0) {
        for (int left = exponent; left > 0; left -= 30)
            n.multiplyAdd(std::uint32_t{1} << std::min(left, 30));
        d.whole = n.digits();
        return d;
    }
    constexpr std::uint32_t fivePowers[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125, 9765625,
                                            48828125, 244140625, 1220703125};
    for (int left = -exponent; left > 0; left -= 13)
        n.multiplyAdd(fivePowers[std::min(left, 13)]);
    std::string all = n.digits();
    const auto places = static_cast<std::size_t>(-exponent);
    if (all.size() <= places)
        all.insert(0, places + 1 - all.size(), '0');
    d.whole = all.substr(0, all.size() - places);
    d.fraction = all.substr(all.size() - places);
    d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
    return d;
}

enum class Tie { ToEven, AwayFromZero };

// Whether the digits kept are carried up, given the digits that follow them.
inline bool roundsUp(std::string_view kept, std::string_view rest, Tie tie)
{
    if (rest.empty() || rest[0] < '5')
        return false;
    if (rest[0] > '5' || rest.find_first_not_of('0', 1) != std::string_view::npos)
        return true;
    return tie == Tie::AwayFromZero || (kept.back() - '0') % 2 == 1;
}

inline void addOneToLastDigit(std::string& digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(0, 1, '1');
}

// The exact value of x rounded to the given number of decimals, as fixed-point text with
// at least one whole digit. A value that rounds to zero has no minus sign.
inline std::string fixedOracle(double x, int decimals, Tie tie)
{
    const Decimal d = exactDecimal(x);
    const auto n = static_cast<std::size_t>(decimals);
    std::string fraction = d.fraction;
    if (fraction.size() < n)
        fraction.append(n - fraction.size(), '0');
    std::string kept = d.whole + fraction.substr(0, n);
    if (roundsUp(kept, std::string_view(fraction).substr(n), tie))
        addOneToLastDigit(kept);
    std::string out = kept.substr(0, kept.size() - n);
    if (n > 0)
        out += "." + kept.substr(kept.size() - n);
    if (d.negative && kept.find_first_not_of('0') != std::string::npos)
        out.insert(0, 1, '-');
    return out;
}

// What a field shows for x: rounded half-even to a double, that double then formatted,
// ties away from zero. The double nearest the rounded decimal is the library's to find.
inline std::string roundThenFormatOracle(double x, int decimals)
{
    const std::string rounded = fixedOracle(x, decimals, Tie::ToEven);
    return fixedOracle(libraryRead(rounded).value, decimals, Tie::AwayFromZero);
}

// x rounded to `count` significant digits, ties to even: the value is d.ddd * 10^exponent
// with `digits` holding exactly `count` digits, or no digits at all for zero.
struct Significant {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

inline Significant significantOracle(double x, int count)
{
    const Decimal d = exactDecimal(x);
    const bool belowOne = d.whole == "0";
    const std::string all = (belowOne ? "" : d.whole) + d.fraction;
    Significant s;
    s.negative = d.negative;
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return s;
    const auto n = static_cast<std::size_t>(count);
    s.exponent = static_cast<int>(belowOne ? 0 : d.whole.size()) - static_cast<int>(first) - 1;
    s.digits = all.substr(first, n);
    s.digits.append(n - s.digits.size(), '0');
    const std::string_view rest = first + n < all.size() ? std::string_view(all).substr(first + n) : "";
    if (roundsUp(s.digits, rest, Tie::ToEven)) {
        addOneToLastDigit(s.digits);
        if (s.digits.size() > n) {
            s.digits.pop_back();
            ++s.exponent;
        }
    }
    return s;
}

}  // namespace lumetra::property
