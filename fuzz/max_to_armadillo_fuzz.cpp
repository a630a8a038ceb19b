// Runs the 3dsMax to Armadillo conversion over field texts and check-box values decoded
// from the input (see field_input.h for the encoding).
//
// Checks: the only faults are the three kinds; the conversion writes the distance, then
// either shows one of its two warnings or writes the pitch, the 3dsMax heading and the
// Armadillo heading, then writes the strength, grid resolution and object scale, in that
// order, all of them unless a fault stopped it; every text is in its field's form, never
// an infinity, a NaN or a negative zero; the zero-distance warning comes only after a
// distance written as 0.000000; the pitch lies from -90 to 89.9, the 3dsMax heading from -180 to 180 and the Armadillo heading from 0 to 360.

#include <cstdint>
#include <string>
#include <vector>

#include "angles.h"
#include "field_input.h"
#include "invariants.h"
#include "max_to_armadillo.h"
#include "user_texts.h"

using namespace lumetra;
using namespace lumetra::fuzz;

namespace {

void checkRange(const std::vector<Write>& writes, TextField field, double low, double high)
{
    for (const Write& w : writes) {
        if (w.field != field)
            continue;
        const double v = valueOf(w.text);
        if (v < low || v > high)
            trap("maxToArmadillo", std::string(nameOf(field)) + " " + w.text + " out of range");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    testing::EventLog log;
    testing::MemoryWindow fields(&log);
    decodeInto(fields, data, size);
    static const Angles angles(computePi());

    const auto fault = runChecked("maxToArmadillo", [&] { maxToArmadillo(fields, angles); });

    const std::vector<std::string>& messages = fields.messages();
    const std::vector<Write> writes = writesOf(log);
    if (messages.size() > 1)
        trap("maxToArmadillo", "more than one message");
    std::vector<ExpectedWrite> expected{{TextField::txtDistance, 6}};
    if (messages.empty()) {
        expected.push_back({TextField::txtPitch, 1});
        expected.push_back({TextField::txtCalcHeading, generalForm});
        expected.push_back({TextField::txtHeading, 1});
    } else {
        if (messages[0] != texts::zeroDistanceWarning && messages[0] != texts::steepPitchWarning)
            trap("maxToArmadillo", "unknown message: " + messages[0]);
        if (writesBeforeFirstMessage(log) != 1)
            trap("maxToArmadillo", "the message did not follow the distance");
        if (messages[0] == texts::zeroDistanceWarning && writes[0].text != "0.000000")
            trap("maxToArmadillo", "zero-distance warning for distance " + writes[0].text);
    }
    expected.push_back({TextField::txtDilloStrength, 3});
    expected.push_back({TextField::txtGridRes, 4});
    expected.push_back({TextField::txtObjectScale, 6});
    checkWriteSequence(writes, expected, !fault, "maxToArmadillo");

    checkRange(writes, TextField::txtPitch, -90.0, 89.9);
    checkRange(writes, TextField::txtCalcHeading, -180.0, 180.0);
    checkRange(writes, TextField::txtHeading, 0.0, 360.0);
    return 0;
}
