#include "armadillo_to_max.h"

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
    fields.setText(TextField::txtX, roundedText(x, Pattern::SixDecimals));
    fields.setText(TextField::txtY, roundedText(y, Pattern::SixDecimals));
    fields.setText(TextField::txtZ, roundedText(z, Pattern::SixDecimals));
}

void writeGrid(Fields& fields)
{
    const Num factor = fields.value(CheckBox::chkNatSX) == Ticked ? 256.0 : 512.0;
    const Num extent = readNumber(fields, TextField::txtGridRes) * factor;
    Num objectScale;
    Num maxStrength;
    if (fields.value(CheckBox::chkUseObjectScale) == Clear) {
        const Num gridSize = readNumber(fields, TextField::txtGridSize);
        objectScale = gridSize * 100.0 / extent;
        maxStrength = readNumber(fields, TextField::txtDilloStrength) * objectScale / 100.0;
    } else {
        objectScale = readNumber(fields, TextField::txtObjectScale);
        const Num gridSize = roundHalfEven(objectScale * extent / 100.0, 0);
        maxStrength = readNumber(fields, TextField::txtDilloStrength) * objectScale / 100.0;
        fields.setText(TextField::txtGridSize, numberText(gridSize));
    }
    fields.setText(TextField::txtMaxStrength, roundedText(maxStrength, Pattern::SixDecimals));
    fields.setText(TextField::txtObjectScale, roundedText(objectScale, Pattern::SixDecimals));
}

}  // namespace

void armadilloToMax(Fields& fields, const Angles& angles)
{
    writeLight(fields, angles);
    writeGrid(fields);
}

}  // namespace lumetra
