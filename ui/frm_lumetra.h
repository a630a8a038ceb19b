#pragma once

// The one window of the program. Every value lives as text in its fields: a handler
// reads a field's text, parses it (parseNumber), computes with checked doubles (Num,
// which raises a Fault instead of producing an infinity or a NaN), formats the result
// (roundHalfEven, formatFixed, numberText) and writes it back into its field at once.
// Calculate runs one of the two conversions; the check-box handlers keep the choices
// exclusive and switch which fields are editable; leaving a field normalises its number.

#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "checked.h"
#include "fields.h"
#include "qt_fields.h"

class QPushButton;

namespace lumetra::ui {

class FieldEdit;
class ValueCheckBox;

class FrmLumetra : public QWidget {
public:
    // Messages go to the given sink; without one they are modal message boxes.
    explicit FrmLumetra(Messages* messages = nullptr, QWidget* parent = nullptr);
    ~FrmLumetra() override;
    FrmLumetra(const FrmLumetra&) = delete;
    FrmLumetra& operator=(const FrmLumetra&) = delete;
    FrmLumetra(FrmLumetra&&) = delete;
    FrmLumetra& operator=(FrmLumetra&&) = delete;

    Num pi() const { return pi_; }

    void btnCalculate_Click();
    void btnExit_Click();
    void Command1_Click();

    void chkArmadillo2Max_Click();
    void chkMax2Armadillo_Click();
    void chkNatSX_Click();
    void chkBajaStuntEnduro_Click();
    void chkUseObjectScale_Click();

    // The LostFocus handler of every normalised field.
    void field_LostFocus(TextField field);

    void Exit_Lumetra();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void Form_Load();

    void setLook(std::initializer_list<TextField> group, bool readOnly);
    int value(CheckBox box) const;
    void setValue(CheckBox box, int value);

    std::map<std::string, QWidget*, std::less<>> controls_;
    std::unique_ptr<QtFields> fields_;
    std::unique_ptr<Messages> ownMessages_;
    Messages* messages_;
    Num pi_ = 0.0;
};

}  // namespace lumetra::ui
