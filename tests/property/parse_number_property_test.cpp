// Reading the number at the start of a field's text. A plain decimal number reads as
// std::from_chars reads it (strtod tells an overflow from an underflow where from_chars
// reports both alike); decorating it with blanks, a trailing exponent letter, another
// exponent letter or rubbish after it does not change what it reads as; &H and &O
// integers read as their exact value, correctly rounded.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "exact_decimal.h"
#include "generators.h"
#include "library_reader.h"
#include "numeric_text.h"

namespace lumetra::property {
namespace {

struct PlainNumber {
    std::string text;
    bool point = false;
    bool exponent = false;
};

// Optional sign, digits with at most one point, optional E exponent; magnitudes from
// well inside the range of a double to beyond both of its ends.
PlainNumber plainNumber(Gen& gen)
{
    PlainNumber n;
    n.text = gen.pick<std::string>({"", "", "-", "+"});
    const int whole = gen.between(0, gen.chance(0.1) ? 40 : 8);
    const int fraction = gen.between(whole == 0 ? 1 : 0, gen.chance(0.1) ? 40 : 8);
    n.text += gen.digits(whole);
    n.point = fraction > 0 || gen.chance(0.2);
    if (n.point)
        n.text += "." + gen.digits(fraction);
    n.exponent = gen.chance(0.7);
    if (n.exponent) {
        const int power = gen.chance(0.4) ? gen.between(-12, 12)
                          : gen.chance(0.5) ? gen.pick({-1, 1}) * gen.between(295, 345)
                                            : gen.between(-345, 315);
        n.text += gen.pick({"e", "E"});
        n.text += power < 0 ? "-" : gen.pick<std::string>({"", "+"});
        n.text += std::to_string(std::abs(power));
    }
    return n;
}

// The value the standard library reads, or nothing for a number beyond the range of a double.
// from_chars takes no plus sign and reports overflow and underflow alike.
std::optional<double> expectedValue(std::string text)
{
    if (text.starts_with('+'))
        text.erase(0, 1);
    if (const LibraryRead read = libraryRead(text); read.error == std::errc{})
        return read.value;
    if (std::isinf(std::strtod(text.c_str(), nullptr)))
        return std::nullopt;
    return 0.0;
}

// A whole number in the given radix, converted exactly and then rounded once.
std::optional<double> radixValue(const std::string& digits, std::uint32_t radix)
{
    BigWhole n(0);
    for (char c : digits) {
        const char l = static_cast<char>(c | 0x20);
        n.multiplyAdd(radix, static_cast<std::uint32_t>(l <= '9' ? l - '0' : l - 'a' + 10));
    }
    return expectedValue(n.digits());
}

void expectReads(const std::string& text, const std::optional<double>& expected)
{
    if (!expected) {
        try {
            parseNumber(text);
            ADD_FAILURE() << "'" << text << "' should overflow";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), FaultKind::Overflow) << "'" << text << "'";
        }
        return;
    }
    try {
        EXPECT_EQ(parseNumber(text).value(), *expected) << "'" << text << "' should read as " << show(*expected);
    } catch (const Fault& fault) {
        ADD_FAILURE() << "'" << text << "' raised " << fault.description();
    }
}

std::string withBlanks(Gen& gen, std::string text)
{
    for (int i = gen.between(1, 4); i > 0; --i)
        text.insert(static_cast<std::size_t>(gen.between(0, static_cast<int>(text.size()))), 1, gen.pickChar(" \t\n"));
    return text;
}

// Rubbish after a number; its first character cannot continue any number.
std::string rubbish(Gen& gen, std::string_view firstCharacters = ",;:%#&()/*_=abcfxyzGHOQ")
{
    return std::string(1, gen.pickChar(firstCharacters)) + gen.digits(gen.between(0, 6), "0123456789.eEdD+-, &Hx");
}

TEST(ParseNumberProperty, ReadsAPlainDecimalAsFromCharsDoes)
{
    Gen gen(7);
    const std::size_t cases = caseCount(100'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const std::string text = plainNumber(gen).text;
        expectReads(text, expectedValue(text));
    }
}

TEST(ParseNumberProperty, ReadsTheLeadingNumberOfADecoratedText)
{
    Gen gen(8);
    const std::size_t cases = caseCount(100'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const PlainNumber n = plainNumber(gen);
        const std::optional<double> value = expectedValue(n.text);
        std::string text = n.text;
        switch (gen.between(0, 4)) {
        case 0:  // blanks stand anywhere, even inside the exponent
            text = withBlanks(gen, text);
            break;
        case 1:  // D is an exponent letter as E is, in either case
            if (n.exponent)
                text[text.find_first_of("eE")] = gen.pickChar("dDeE");
            break;
        case 2:  // a comma ends the number
            text += "," + gen.digits(gen.between(1, 4));
            break;
        case 3:  // an exponent letter without digits belongs to the rubbish
            if (!n.exponent)
                text += std::string(1, gen.pickChar("eEdD")) + gen.pick<std::string>({"", "+", "-"}) + rubbish(gen);
            break;
        default:
            text += rubbish(gen);
            break;
        }
        expectReads(text, value);
    }
}

TEST(ParseNumberProperty, ReadsTextWithoutALeadingNumberAsZero)
{
    Gen gen(9);
    const std::size_t cases = caseCount(20'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        std::string text = gen.pick<std::string>({"", "-", "+", ".", "-.", "+.", "e", "&", "&Q", "&x"});
        // Neither an ampersand nor H or O, which could open an integer after the prefix.
        text += gen.chance(0.5) ? rubbish(gen, ",;:%#()/*_=abcfxyzGQ") : "";
        expectReads(gen.chance(0.5) ? withBlanks(gen, text) : text, 0.0);
    }
}

TEST(ParseNumberProperty, ReadsHexadecimalAndOctalIntegersExactlyRounded)
{
    Gen gen(10);
    const std::size_t cases = caseCount(30'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const bool hex = gen.chance(0.5);
        // 256 hexadecimal or about 342 octal digits reach the top of the range of a double.
        const int top = hex ? 256 : 342;
        const int count = gen.chance(0.8) ? gen.between(1, hex ? 16 : 22) : gen.between(top - 6, top + 2);
        const std::string lead = gen.chance(0.5) ? std::string(hex ? 14 : 18, hex ? 'F' : '7') : "";
        const std::string digits =
            (lead + gen.digits(count, hex ? "0123456789abcdefABCDEF" : "01234567")).substr(0, static_cast<std::size_t>(count));
        std::string text = "&" + std::string(1, hex ? gen.pickChar("Hh") : gen.pickChar("Oo")) + digits;
        if (gen.chance(0.3))
            text += std::string(1, gen.pickChar(hex ? "gxz.,;-" : "89abx.,;")) + gen.digits(2);
        expectReads(gen.chance(0.3) ? withBlanks(gen, text) : text, radixValue(digits, hex ? 16 : 8));
    }
}

}  // namespace
}  // namespace lumetra::property
