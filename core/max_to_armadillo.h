#pragma once

#include "angles.h"
#include "armadillo.h"
#include "fields.h"

namespace lumetra {

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
