#pragma once

// What every test of the Qt binding shares: a fresh, active window whose user events and
// messages are recorded instead of reaching the handlers and the screen, and helpers that
// drive it as a user would. The handlers themselves are tested without a toolkit.

#include <QPushButton>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

#include "field_edit.h"
#include "qt_window.h"
#include "recorders.h"
#include "value_check_box.h"

// Failure messages show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace lumetra::ui::test {

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
