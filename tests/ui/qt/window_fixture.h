#pragma once

// What every window test shares: a message recorder standing in for the message boxes,
// and a fixture that opens a fresh, active window and drives it as a user would.

#include <QPushButton>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "field_edit.h"
#include "fields.h"
#include "frm_lumetra.h"
#include "value_check_box.h"

// Failure messages show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace lumetra::ui::test {

// Table rows print as their names; each test file brings this into its own namespace.
template <typename Row>
    requires requires(const Row& row) { std::string(row.name); }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

// Records each message text in order and returns at once, as if the user pressed OK.
class RecordedMessages : public Messages {
public:
    void showMessage(const std::string& text) override
    {
        texts.push_back(text);
        if (whenShown)
            whenShown();
    }

    std::vector<std::string> texts;
    // Runs while the message is "on screen", to look at the window at that moment.
    std::function<void()> whenShown;
};

// Names each row of a table-driven test after the row.
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

// The three layouts of the direction boxes and the object-scale option.
enum class Layout { ArmadilloByGridSize, ArmadilloByObjectScale, MaxToArmadillo };

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    FieldEdit* edit(const QString& name) const;
    ValueCheckBox* box(const QString& name) const;
    QPushButton* button(const QString& name) const;
    std::string text(const QString& name) const { return edit(name)->text().toStdString(); }
    // The name of the control that has the focus, or "" when none has.
    std::string focusedName() const;
    QWidget* focused() const;

    void click(QWidget* widget);
    void clickBox(const QString& name) { click(box(name)); }
    void clickCalculate() { click(button("btnCalculate")); }
    // Clicks the field, selects all of its text and types over it.
    void typeInto(const QString& name, const QString& typed);
    // Presses Tab in the widget that has the focus.
    void pressTab();
    // Types into the field and leaves it by Tab.
    void enter(const QString& name, const QString& typed);
    // Enters each text into its field, in order; then looks at each field's text.
    using FieldTexts = std::vector<std::pair<QString, std::string>>;
    void enterAll(const FieldTexts& typed);
    void expectTexts(const FieldTexts& expected) const;
    // Clicks the boxes of a freshly opened window so that it shows the layout.
    void switchTo(Layout layout);

    // Texts of all thirteen text fields, in a fixed order, for before-and-after comparisons.
    std::vector<std::string> allTexts() const;

    RecordedMessages messages;
    std::unique_ptr<FrmLumetra> window;
};

// The eleven fields that normalise their number when the focus leaves them.
extern const std::vector<QString> normalisedFields;

}  // namespace lumetra::ui::test
