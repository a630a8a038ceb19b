#include "max_to_armadillo.h"

#include <string>

#include "field_facts.h"
#include "numeric_text.h"
#include "user_texts.h"

namespace lumetra {

namespace {

void writeLight(Form& form, const Angles& angles)
{
    const Num x = readNumber(form, TextField::txtX);
    const Num y = readNumber(form, TextField::txtY);
    const Num z = readNumber(form, TextField::txtZ);
    const Num distance = lightDistance(x, y, z);
    writeRounded(form, TextField::txtDistance, distance);

    const LightPitch pitch = lightPitch(z, distance, angles);
    if (pitch.outcome == PitchOutcome::ZeroDistance) {
        form.showMessage(std::string(texts::zeroDistanceWarning));
        return;
    }
    if (pitch.outcome == PitchOutcome::TooSteep) {
        form.showMessage(std::string(texts::steepPitchWarning));
        return;
    }
    writeRounded(form, TextField::txtPitch, pitch.degrees);
    const Num heading = maxHeading(x, y, angles);
    form.setText(TextField::txtCalcHeading, numberText(heading));
    writeRounded(form, TextField::txtHeading, 180.0 - heading);
}

void writeGrid(Fields& fields)
{
    const Num gridSize = readNumber(fields, TextField::txtGridSize);
    const Num objectScale = readNumber(fields, TextField::txtObjectScale);
    const Num maxStrength = readNumber(fields, TextField::txtMaxStrength);
    const Num strength = armadilloStrength(maxStrength, objectScale);
    const Num gridRes = armadilloGridRes(gridSize, objectScale, fields.value(CheckBox::chkNatSX) == Ticked);
    writeRounded(fields, TextField::txtDilloStrength, strength);
    writeRounded(fields, TextField::txtGridRes, gridRes);
    writeRounded(fields, TextField::txtObjectScale, objectScale);
}

}  // namespace

Num lightDistance(Num x, Num y, Num z) { return sqrt((x * x + y * y) + z * z); }

LightPitch lightPitch(Num z, Num distance, const Angles& angles)
{
    if (distance == 0.0)
        return {PitchOutcome::ZeroDistance, 0.0};
    const Num degrees = angles.arcsin(z / distance);
    if (degrees > steepestPitch)
        return {PitchOutcome::TooSteep, degrees};
    return {PitchOutcome::Usable, degrees};
}

Num maxHeading(Num x, Num y, const Angles& angles)
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
        return angles.atnD(y / x) - 180.0;
    if (x < 0.0 && y > 0.0)
        return angles.atnD(y / x) + 180.0;
    return angles.atnD(y / x);
}

Num armadilloStrength(Num maxStrength, Num objectScale) { return maxStrength * 100.0 / objectScale; }

Num armadilloGridRes(Num gridSize, Num objectScale, bool natSX)
{
    const Num extent = gridSize * 100.0 / objectScale;
    return extent / trackFactor(natSX);
}

void maxToArmadillo(Form& form, const Angles& angles)
{
    writeLight(form, angles);
    writeGrid(form);
}

}  // namespace lumetra
