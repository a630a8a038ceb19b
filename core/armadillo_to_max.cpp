#include "armadillo_to_max.h"

#include <optional>

#include "armadillo.h"
#include "field_facts.h"
#include "numeric_text.h"

namespace lumetra {

namespace {

void writeLight(Fields& fields, const Angles& angles)
{
    const Num heading = readNumber(fields, TextField::txtHeading);
    const Num pitch = readNumber(fields, TextField::txtPitch);
    const Num distance = readNumber(fields, TextField::txtDistance);
    const Num maxHeading = 180.0 - heading;
    fields.setText(TextField::txtCalcHeading, numberText(maxHeading));
    fields.setText(TextField::txtCalcPitch, numberText(pitch));

    const Num x = angles.cosD(pitch) * angles.cosD(maxHeading) * distance;
    const Num y = angles.cosD(pitch) * angles.sinD(maxHeading) * distance;
    const Num z = angles.sinD(pitch) * distance;
    writeRounded(fields, TextField::txtX, x);
    writeRounded(fields, TextField::txtY, y);
    writeRounded(fields, TextField::txtZ, z);
}

void writeGrid(Fields& fields)
{
    const double factor = trackFactor(fields.value(CheckBox::chkNatSX) == Ticked);
    const Num extent = readNumber(fields, TextField::txtGridRes) * factor;
    Num objectScale;
    std::optional<Num> gridSize;  // computed, and so written, only when the object scale is given
    if (fields.value(CheckBox::chkUseObjectScale) == Clear) {
        objectScale = readNumber(fields, TextField::txtGridSize) * 100.0 / extent;
    } else {
        objectScale = readNumber(fields, TextField::txtObjectScale);
        gridSize = objectScale * extent / 100.0;
    }
    // The strength is read after the grid size is worked out and before it is written: a
    // fault in the strength leaves the old grid size in place. (Rounding a finite size to a
    // whole number cannot fault.)
    const Num maxStrength = readNumber(fields, TextField::txtDilloStrength) * objectScale / 100.0;
    if (gridSize)
        writeRounded(fields, TextField::txtGridSize, *gridSize);
    writeRounded(fields, TextField::txtMaxStrength, maxStrength);
    writeRounded(fields, TextField::txtObjectScale, objectScale);
}

}  // namespace

void armadilloToMax(Fields& fields, const Angles& angles)
{
    writeLight(fields, angles);
    writeGrid(fields);
}

}  // namespace lumetra
