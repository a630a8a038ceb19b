#pragma once

// A signed fixed-point number far wider than a double, for the rare arguments whose sine,
// cosine, tangent or arctangent lies too close to a rounding boundary for double-double
// arithmetic to decide. One 64-bit word stands before the point and a width of words after
// it, so a value is exact to a unit of 2^(-64 * words). Every operation truncates toward zero, and
// each says how many such units it may lose. Integer arithmetic only: the results are the
// same on every machine.

#include <array>
#include <cstdint>
#include <optional>

namespace lumetra::trig {

// How many 64-bit words follow the point.
struct Width {
    int words;
};

class WideFixed {
public:
    static constexpr int maxWords = 16;

    // Zero, with 1 to maxWords words after the point.
    explicit WideFixed(Width width);
    // The double x, which must be finite with |x| < 2^64; bits below the last word are cut.
    static WideFixed of(double x, Width width);
    // The leading words of a constant held as an integer word and fraction words.
    template <std::size_t N>
    static WideFixed ofWords(const std::array<std::uint64_t, N>& bits, Width width)
    {
        WideFixed v(width);
        for (int i = 0; i <= width.words; ++i)
            v.at(i) = bits[static_cast<std::size_t>(i)];
        return v;
    }

    int words() const { return words_; }
    Width width() const { return {words_}; }
    bool negative() const { return negative_; }
    bool isZero() const;
    std::uint64_t word(int i) const { return word_[static_cast<std::size_t>(i)]; }
    void setWord(int i, std::uint64_t w) { at(i) = w; }

    WideFixed operator-() const;
    WideFixed abs() const;

    // Exact, barring overflow of the integer word.
    friend WideFixed operator+(const WideFixed& a, const WideFixed& b);
    friend WideFixed operator-(const WideFixed& a, const WideFixed& b);
    // Loses less than one unit.
    friend WideFixed operator*(const WideFixed& a, const WideFixed& b);
    // Exact, barring overflow.
    WideFixed times(std::uint64_t m) const;
    // Loses less than one unit.
    WideFixed dividedBy(std::uint64_t d) const;
    WideFixed shiftedRight(int bits) const;

    // The double nearest the value, ties to even. The value must be 0 or at least 2^-1022.
    double nearestDouble() const;
    // The double nearest every value within `error` (not negative) of this one, if they all
    // have the same; nothing when the interval straddles a rounding boundary.
    std::optional<double> nearestDoubleWithin(const WideFixed& error) const;
    // An approximation of the value, for error bounds and first guesses.
    double approx() const;

private:
    std::uint64_t& at(int i) { return word_[static_cast<std::size_t>(i)]; }
    // The operators below use these; cppcheck does not see through friends.
    // cppcheck-suppress unusedPrivateFunction
    int compareMagnitude(const WideFixed& b) const;
    // cppcheck-suppress unusedPrivateFunction
    void addMagnitude(const WideFixed& b);
    // Requires |this| >= |b|.
    // cppcheck-suppress unusedPrivateFunction
    void subtractMagnitude(const WideFixed& b);

    int words_;
    bool negative_ = false;
    std::array<std::uint64_t, maxWords + 1> word_{};
};

// 1 / d for d > 0, by Newton's iteration: within four units of 1/d times (1 + 1/d).
WideFixed reciprocal(const WideFixed& d);

}  // namespace lumetra::trig
