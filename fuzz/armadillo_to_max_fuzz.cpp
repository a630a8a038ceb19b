// Runs the Armadillo to 3dsMax conversion over field texts and check-box values decoded
// from the input (see field_input.h for the encoding).
//
// Checks: the only faults are the three kinds; the conversion writes the 3dsMax heading,
// pitch, X, Y and Z, the grid size only when the object scale is the given value, then the
// strength and object scale, in that order, all of them unless a fault stopped it; every
// text is in its field's form, never an infinity, a NaN or a negative zero; the grid size
// is a whole number; no message is shown.

#include <cmath>
#include <cstdint>
#include <vector>

#include "angles.h"
#include "armadillo_to_max.h"
#include "field_input.h"
#include "invariants.h"

using namespace lumetra;
using namespace lumetra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    testing::EventLog log;
    testing::MemoryWindow fields(&log);
    decodeInto(fields, data, size);
    const bool objectScaleGiven = fields[CheckBox::chkUseObjectScale] != Clear;
    static const Angles angles(computePi());

    const auto fault = runChecked("armadilloToMax", [&] { armadilloToMax(fields, angles); });

    std::vector<ExpectedWrite> expected{
        {TextField::txtCalcHeading, generalForm}, {TextField::txtCalcPitch, generalForm},
        {TextField::txtX, 6}, {TextField::txtY, 6}, {TextField::txtZ, 6},
    };
    if (objectScaleGiven)
        expected.push_back({TextField::txtGridSize, generalForm});
    expected.push_back({TextField::txtMaxStrength, 6});
    expected.push_back({TextField::txtObjectScale, 6});
    const std::vector<Write> writes = writesOf(log);
    checkWriteSequence(writes, expected, !fault, "armadilloToMax");

    if (!fields.messages().empty())
        trap("armadilloToMax", "showed a message");
    for (const Write& w : writes) {
        if (w.field != TextField::txtGridSize)
            continue;
        const double gridSize = valueOf(w.text);
        if (gridSize != std::floor(gridSize))
            trap("armadilloToMax", "grid size " + w.text + " is not a whole number");
    }
    return 0;
}
