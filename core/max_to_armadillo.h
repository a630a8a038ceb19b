#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "angles.h"
#include "armadillo.h"
#include "fields.h"

namespace lumetra {

inline constexpr std::string_view zeroDistanceWarning =
    "Cannot calculate Pitch because Light Distance is Zero.  Please check light X, Y, Z coordinates";

namespace detail {

// The steep-pitch warning names the limit that the test applies, written when the program is
// built from the limit itself with its one decimal, so the two cannot part.
inline constexpr std::string_view steepBefore = "Invalid Light Coordinates.  Pitch is greater than ";
inline constexpr std::string_view steepAfter = " degrees";
// The number of tenths whose one-decimal text reads back as the given degrees; a product
// such as 89.9 * 10 may fall a hair either side of the whole number.
constexpr long tenthsOf(double degrees)
{
    const auto below = static_cast<long>(degrees * 10.0);
    return static_cast<double>(below + 1) / 10.0 == degrees ? below + 1 : below;
}

inline constexpr long steepestTenths = tenthsOf(steepestPitch);
static_assert(static_cast<double>(steepestTenths) / 10.0 == steepestPitch,
              "the warning names the pitch limit with one decimal");

constexpr std::size_t digitsOf(long n)
{
    std::size_t digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

inline constexpr std::size_t steepLength = steepBefore.size() + digitsOf(steepestTenths / 10) + 2 + steepAfter.size();

inline constexpr std::array<char, steepLength> steepText = [] {
    std::array<char, steepLength> text{};
    std::size_t at = 0;
    for (char c : steepBefore)
        text[at++] = c;
    at += digitsOf(steepestTenths / 10);
    std::size_t digit = at;
    for (long whole = steepestTenths / 10; whole > 0 || digit == at; whole /= 10)
        text[--digit] = static_cast<char>('0' + whole % 10);
    text[at++] = '.';
    text[at++] = static_cast<char>('0' + steepestTenths % 10);
    for (char c : steepAfter)
        text[at++] = c;
    return text;
}();

}  // namespace detail

inline constexpr std::string_view steepPitchWarning{detail::steepText.data(), detail::steepText.size()};

// Distance of the light at X, Y, Z from the origin.
Num lightDistance(Num x, Num y, Num z);

enum class PitchOutcome { Usable, ZeroDistance, TooSteep };

struct LightPitch {
    PitchOutcome outcome{};
    Num degrees;  // meaningful only when the outcome is Usable
};

// The pitch of a light at height z and distance d; steeper than steepestPitch is unusable.
LightPitch lightPitch(Num z, Num distance, const Angles& angles);

// The heading that 3dsMax shows for a light at X, Y, measured from the positive X axis
// towards the positive Y axis, from -180 to 180. Not called for X = Y = 0.
Num maxHeading(Num x, Num y, const Angles& angles);

// The Armadillo strength for a 3dsMax strength at an object scale in percent.
Num armadilloStrength(Num maxStrength, Num objectScale);

// The Armadillo grid resolution for a 3dsMax grid size at an object scale: the grid extent
// divided by the track factor.
Num armadilloGridRes(Num gridSize, Num objectScale, bool natSX);

// The 3dsMax to Armadillo direction over the window's fields. A light position that gives
// no usable pitch shows one warning and skips the rest of the light; the grid always follows.
void maxToArmadillo(Form& form, const Angles& angles);

}  // namespace lumetra
