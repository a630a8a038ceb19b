// The check-box handlers: each pair of boxes stays exclusive, and the chosen direction's
// inputs are editable while its results are read-only.

#include "frm_lumetra.h"

namespace lumetra::ui {

namespace {

constexpr auto armadilloFields = {TextField::txtDilloStrength, TextField::txtGridRes, TextField::txtHeading,
                                  TextField::txtPitch};
constexpr auto maxFields = {TextField::txtMaxStrength, TextField::txtX, TextField::txtY, TextField::txtZ};

}  // namespace

void FrmLumetra::chkArmadillo2Max_Click()
{
    if (window_.value(CheckBox::chkArmadillo2Max) == Clear) {
        assign(CheckBox::chkMax2Armadillo, Ticked);
        setLook(armadilloFields, Look::ReadOnly);
        assign(CheckBox::chkUseObjectScale, Clear);
        window_.setBoxEnabled(CheckBox::chkUseObjectScale, false);
        setLook({TextField::txtDistance}, Look::ReadOnly);
        setLook(maxFields, Look::Editable);
        assign(CheckBox::chkUseObjectScale, Greyed);
    } else {
        assign(CheckBox::chkMax2Armadillo, Clear);
        setLook(armadilloFields, Look::Editable);
        window_.setBoxEnabled(CheckBox::chkUseObjectScale, true);
        setLook({TextField::txtDistance}, Look::Editable);
        setLook(maxFields, Look::ReadOnly);
        assign(CheckBox::chkUseObjectScale, Clear);
    }
}

void FrmLumetra::chkMax2Armadillo_Click()
{
    assign(CheckBox::chkArmadillo2Max, window_.value(CheckBox::chkMax2Armadillo) == Clear ? Ticked : Clear);
}

void FrmLumetra::chkNatSX_Click()
{
    assign(CheckBox::chkBajaStuntEnduro, window_.value(CheckBox::chkNatSX) == Clear ? Ticked : Clear);
}

void FrmLumetra::chkBajaStuntEnduro_Click()
{
    assign(CheckBox::chkNatSX, window_.value(CheckBox::chkBajaStuntEnduro) == Ticked ? Clear : Ticked);
}

void FrmLumetra::chkUseObjectScale_Click()
{
    if (window_.value(CheckBox::chkUseObjectScale) == Greyed) {
        setLook({TextField::txtGridSize, TextField::txtObjectScale}, Look::Editable);
    } else if (window_.value(CheckBox::chkUseObjectScale) == Ticked) {
        // The object scale is the input and the grid size the result.
        setLook({TextField::txtGridSize}, Look::ReadOnly);
        setLook({TextField::txtObjectScale}, Look::Editable);
    } else {
        setLook({TextField::txtGridSize}, Look::Editable);
        setLook({TextField::txtObjectScale}, Look::ReadOnly);
    }
}

}  // namespace lumetra::ui
