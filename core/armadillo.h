#pragma once

// What Armadillo takes and how its grid is laid out: both directions rest on these, and the
// pitch field's normaliser keeps a typed pitch within what Armadillo takes.

namespace lumetra {

// The grid extent per step of Armadillo's grid resolution. National and SX tracks lay their
// grid at half the extent of every other track (Baja, Stunt and Enduro).
constexpr double trackFactor(bool nationalOrSX) { return nationalOrSX ? 256.0 : 512.0; }

// The steepest pitch Armadillo takes, in degrees: a typed pitch is held to it, and a 3dsMax
// light any steeper is refused with a warning that names it.
inline constexpr double steepestPitch = 89.9;

}  // namespace lumetra
