#include "frm_lumetra.h"

#include "armadillo_to_max.h"
#include "max_to_armadillo.h"
#include "user_texts.h"

namespace lumetra::ui {

FrmLumetra::FrmLumetra(Window& window) : window_(window) { Form_Load(); }

void FrmLumetra::Form_Load() { angles_ = Angles(computePi()); }

void FrmLumetra::boxClicked(CheckBox box)
{
    if (window_.boxEnabled(box))
        assign(box, window_.value(box) == Clear ? Ticked : Clear);
}

void FrmLumetra::buttonClicked(Button button)
{
    switch (button) {
    case Button::btnCalculate:
        btnCalculate_Click();
        break;
    case Button::btnExit:
        btnExit_Click();
        break;
    case Button::Command1:
        Command1_Click();
        break;
    }
}

void FrmLumetra::fieldLeft(TextField field) { LostFocus(field); }

void FrmLumetra::closeBoxClicked() { Exit_Lumetra(); }

void FrmLumetra::btnCalculate_Click()
{
    try {
        if (window_.value(CheckBox::chkArmadillo2Max) == Ticked)
            armadilloToMax(window_, angles_);
        else
            maxToArmadillo(window_, angles_);
    } catch (const Fault& fault) {
        // The window stays open: closing it would throw away everything the user typed.
        window_.showMessage(texts::calculationError(fault.description(), fault.number()));
    }
}

void FrmLumetra::btnExit_Click() { Exit_Lumetra(); }

void FrmLumetra::Command1_Click() {}

void FrmLumetra::Exit_Lumetra() { window_.unload(); }

void FrmLumetra::assign(CheckBox box, BoxValue value)
{
    if (window_.value(box) == value)
        return;
    window_.showValue(box, value);
    runClickHandler(box);
}

void FrmLumetra::runClickHandler(CheckBox box)
{
    switch (box) {
    case CheckBox::chkArmadillo2Max:
        chkArmadillo2Max_Click();
        break;
    case CheckBox::chkMax2Armadillo:
        chkMax2Armadillo_Click();
        break;
    case CheckBox::chkNatSX:
        chkNatSX_Click();
        break;
    case CheckBox::chkBajaStuntEnduro:
        chkBajaStuntEnduro_Click();
        break;
    case CheckBox::chkUseObjectScale:
        chkUseObjectScale_Click();
        break;
    }
}

void FrmLumetra::setLook(std::initializer_list<TextField> group, Look look)
{
    for (TextField field : group)
        window_.setLook(field, look);
}

}  // namespace lumetra::ui
