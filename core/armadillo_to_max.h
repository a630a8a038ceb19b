#pragma once

#include "angles.h"
#include "fields.h"

namespace lumetra {

// The Armadillo to 3dsMax direction: the light's heading, pitch and distance become the
// 3dsMax heading, pitch and X, Y, Z; the grid resolution, strength and either the grid
// size or the object scale become the 3dsMax grid size, strength and object scale.
// Each result is written as soon as it is known; a Fault leaves the earlier writes in place.
void armadilloToMax(Fields& fields, const Angles& angles);

}  // namespace lumetra
