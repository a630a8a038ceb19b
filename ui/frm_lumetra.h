#pragma once

// The handlers of the one window, written once for every toolkit. Every value lives as text
// in the window's fields: a handler reads a field's text, parses it (parseNumber), computes
// with checked doubles (Num, which raises a Fault instead of producing an infinity or a NaN),
// formats the result and writes it back at once. Calculate runs one of the two conversions;
// the check-box handlers keep the choices exclusive and switch which fields are editable;
// leaving a field normalises its number.

#include <initializer_list>

#include "angles.h"
#include "window.h"

namespace lumetra::ui {

class FrmLumetra : public UserEvents {
public:
    // The window is loaded: Form_Load runs at once.
    explicit FrmLumetra(Window& window);
    ~FrmLumetra() override = default;
    FrmLumetra(const FrmLumetra&) = delete;
    FrmLumetra& operator=(const FrmLumetra&) = delete;
    FrmLumetra(FrmLumetra&&) = delete;
    FrmLumetra& operator=(FrmLumetra&&) = delete;

    // What the user does.
    void boxClicked(CheckBox box) override;
    void buttonClicked(Button button) override;
    void fieldLeft(TextField field) override;
    void closeBoxClicked() override;

    void btnCalculate_Click();
    void btnExit_Click();
    void Command1_Click();

    // Virtual so that a test can watch which of them run, and how they nest inside the
    // assignments that run them.
    virtual void chkArmadillo2Max_Click();
    virtual void chkMax2Armadillo_Click();
    virtual void chkNatSX_Click();
    virtual void chkBajaStuntEnduro_Click();
    virtual void chkUseObjectScale_Click();

    // The LostFocus handler of every normalised field.
    void LostFocus(TextField field);

    void Exit_Lumetra();

private:
    void Form_Load();

    // A change of value runs the box's handler at once, nested inside the assignment; the
    // value the box already holds runs nothing, which ends each exchange within a pair.
    void assign(CheckBox box, BoxValue value);
    void runClickHandler(CheckBox box);
    void setLook(std::initializer_list<TextField> group, Look look);

    Window& window_;
    // Zero until Form_Load sets the window's pi.
    Angles angles_{0.0};
};

}  // namespace lumetra::ui
