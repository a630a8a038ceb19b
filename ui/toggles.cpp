// The check-box handlers: each pair of boxes stays exclusive, and the chosen direction's
// inputs are editable while its results are read-only. Assigning a box a new value runs
// that box's handler nested inside the assignment; the value it already holds runs nothing,
// which is what ends each exchange between the two boxes of a pair.

#include "frm_lumetra.h"
#include "value_check_box.h"

namespace lumetra::ui {

namespace {

constexpr bool ReadOnly = true;
constexpr bool Editable = false;

constexpr auto armadilloFields = {TextField::txtDilloStrength, TextField::txtGridRes, TextField::txtHeading,
                                  TextField::txtPitch};
constexpr auto maxFields = {TextField::txtMaxStrength, TextField::txtX, TextField::txtY, TextField::txtZ};

}  // namespace

void FrmLumetra::chkArmadillo2Max_Click()
{
    if (value(CheckBox::chkArmadillo2Max) == Clear) {
        setValue(CheckBox::chkMax2Armadillo, Ticked);
        setLook(armadilloFields, ReadOnly);
        setValue(CheckBox::chkUseObjectScale, Clear);
        fields_->box(CheckBox::chkUseObjectScale)->setEnabled(false);
        setLook({TextField::txtDistance}, ReadOnly);
        setLook(maxFields, Editable);
        setValue(CheckBox::chkUseObjectScale, Greyed);
    } else {
        setValue(CheckBox::chkMax2Armadillo, Clear);
        setLook(armadilloFields, Editable);
        fields_->box(CheckBox::chkUseObjectScale)->setEnabled(true);
        setLook({TextField::txtDistance}, Editable);
        setLook(maxFields, ReadOnly);
        setValue(CheckBox::chkUseObjectScale, Clear);
    }
}

void FrmLumetra::chkMax2Armadillo_Click()
{
    setValue(CheckBox::chkArmadillo2Max, value(CheckBox::chkMax2Armadillo) == Clear ? Ticked : Clear);
}

void FrmLumetra::chkNatSX_Click()
{
    setValue(CheckBox::chkBajaStuntEnduro, value(CheckBox::chkNatSX) == Clear ? Ticked : Clear);
}

void FrmLumetra::chkBajaStuntEnduro_Click()
{
    setValue(CheckBox::chkNatSX, value(CheckBox::chkBajaStuntEnduro) == Ticked ? Clear : Ticked);
}

void FrmLumetra::chkUseObjectScale_Click()
{
    const int option = value(CheckBox::chkUseObjectScale);
    if (option == Greyed) {
        setLook({TextField::txtGridSize}, Editable);
        setLook({TextField::txtObjectScale}, Editable);
    } else if (option == Ticked) {
        setLook({TextField::txtGridSize}, ReadOnly);
        setLook({TextField::txtObjectScale}, Editable);
    } else {
        setLook({TextField::txtGridSize}, Editable);
        setLook({TextField::txtObjectScale}, ReadOnly);
    }
}

}  // namespace lumetra::ui
