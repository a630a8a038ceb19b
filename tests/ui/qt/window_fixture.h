#pragma once

// What every test of the Qt binding shares: a fresh, active window whose user events and
// messages are recorded instead of reaching the handlers and the screen, and helpers that
// drive it as a user would. The handlers themselves are tested without a toolkit.

#include <QPushButton>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "field_edit.h"
#include "qt_window.h"
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

inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

// Records what the binding reports, as "click chkNatSX", "button btnExit", "left txtPitch"
// and "close box", and then runs the test's own reaction, if it has one.
class RecordedEvents : public UserEvents {
public:
    void boxClicked(CheckBox box) override { happened("click " + std::string(nameOf(box))); }
    void buttonClicked(Button button) override { happened("button " + std::string(nameOf(button))); }
    void fieldLeft(TextField field) override { happened("left " + std::string(nameOf(field))); }
    void closeBoxClicked() override { happened("close box"); }

    std::vector<std::string> events;
    std::function<void(const std::string&)> reaction;

private:
    void happened(const std::string& event)
    {
        events.push_back(event);
        if (reaction)
            reaction(event);
    }
};

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
    // Clicks the field, selects all of its text and types over it.
    void typeInto(const QString& name, const QString& typed);
    // Presses Tab in the widget that has the focus.
    void pressTab();

    RecordedEvents events;
    RecordedMessages messages;
    std::unique_ptr<QtWindow> window;
};

}  // namespace lumetra::ui::test
