#include "max_to_armadillo.h"

#include <string>

#include "angles.h"
#include "numeric_text.h"

namespace lumetra {

namespace {

// The steepest pitch Armadillo accepts.
constexpr double maxPitch = 89.9;

void writeLight(Fields& fields, Messages& messages, Num pi)
{
    const Num x = readNumber(fields, TextField::txtX);
    const Num y = readNumber(fields, TextField::txtY);
    const Num z = readNumber(fields, TextField::txtZ);
    const Num distance = lightDistance(x, y, z);
    fields.setText(TextField::txtDistance, roundedText(distance, Pattern::SixDecimals));

    const LightPitch pitch = lightPitch(z, distance, pi);
    if (pitch.outcome == PitchOutcome::ZeroDistance) {
        messages.showMessage(std::string(zeroDistanceWarning));
        return;
    }
    if (pitch.outcome == PitchOutcome::TooSteep) {
        messages.showMessage(std::string(steepPitchWarning));
        return;
    }
    fields.setText(TextField::txtPitch, roundedText(pitch.degrees, Pattern::OneDecimal));
    const Num heading = maxHeading(x, y, pi);
    fields.setText(TextField::txtCalcHeading, numberText(heading));
    fields.setText(TextField::txtHeading, roundedText(180.0 - heading, Pattern::OneDecimal));
}

void writeGrid(Fields& fields)
{
    const Num gridSize = readNumber(fields, TextField::txtGridSize);
    const Num objectScale = readNumber(fields, TextField::txtObjectScale);
    const Num maxStrength = readNumber(fields, TextField::txtMaxStrength);
    const Num strength = armadilloStrength(maxStrength, objectScale);
    const Num gridRes = armadilloGridRes(gridSize, objectScale, fields.value(CheckBox::chkNatSX) == Ticked);
    fields.setText(TextField::txtDilloStrength, roundedText(strength, Pattern::ThreeDecimals));
    fields.setText(TextField::txtGridRes, roundedText(gridRes, Pattern::FourDecimals));
    fields.setText(TextField::txtObjectScale, roundedText(objectScale, Pattern::SixDecimals));
}

}  // namespace

Num lightDistance(Num x, Num y, Num z) { return sqrt((x * x + y * y) + z * z); }

LightPitch lightPitch(Num z, Num distance, Num pi)
{
    if (distance == 0.0)
        return {PitchOutcome::ZeroDistance, 0.0};
    const Num degrees = arcsin(z / distance, pi);
    if (degrees > maxPitch)
        return {PitchOutcome::TooSteep, degrees};
    return {PitchOutcome::Usable, degrees};
}

Num maxHeading(Num x, Num y, Num pi)
{
    // Compared with zero exactly; a negative zero counts as zero.
    if (x == 0.0 && y > 0.0)
        return 90.0;
    if (x == 0.0 && y < 0.0)
        return -90.0;
    if (x > 0.0 && y == 0.0)
        return 0.0;
    if (x < 0.0 && y == 0.0)
        return 180.0;
    if (x < 0.0 && y < 0.0)
        return atnD(y / x, pi) - 180.0;
    if (x < 0.0 && y > 0.0)
        return atnD(y / x, pi) + 180.0;
    return atnD(y / x, pi);
}

Num armadilloStrength(Num maxStrength, Num objectScale) { return maxStrength * 100.0 / objectScale; }

Num armadilloGridRes(Num gridSize, Num objectScale, bool natSX)
{
    const Num extent = gridSize * 100.0 / objectScale;
    return extent / (natSX ? 256.0 : 512.0);
}

void maxToArmadillo(Fields& fields, Messages& messages, Num pi)
{
    writeLight(fields, messages, pi);
    writeGrid(fields);
}

}  // namespace lumetra
