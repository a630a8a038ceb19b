#pragma once

// The binding tests are written once, against this fixture, and run against every toolkit:
// each test program links one toolkit's driver (tests/ui/qt/driver.cpp or
// tests/ui/win32/driver.cpp), which opens that toolkit's window and drives it as a user
// would. Controls are named as in binding_rows.h.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "recorders.h"

namespace lumetra::ui {

inline void PrintTo(Look look, std::ostream* os) { *os << (look == Look::ReadOnly ? "read-only" : "editable"); }

}  // namespace lumetra::ui

namespace lumetra::ui::test {

enum class Key { Tab, Space, Return, KeypadEnter, Escape, End, Backspace, A, C, V, X };
enum class Held { Nothing, Shift, Ctrl, Alt };

// A control's left, top, width and height in pixels, relative to the window's client area.
using Rect = std::array<int, 4>;

struct WindowFrame {
    std::string caption;
    int clientWidth, clientHeight;
    bool resizable, closeBox, minimiseBox, maximiseBox;
};

struct MessageBoxSeen {
    std::string caption, text;
    std::vector<std::string> buttons;
    bool icon = false;
};

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override { open(&messages); }
    void TearDown() override;

    // Opens a fresh window, shown and active; without a sink its messages are real message boxes.
    void open(Messages* sink);

    void pressMouse(std::string_view name);  // at the control's centre
    void releaseMouse();
    void click(std::string_view name)
    {
        pressMouse(name);
        releaseMouse();
    }
    void press(Key key, Held held = Held::Nothing);
    void type(std::string_view typed);
    // Clicks the field, selects all of its text and types over it.
    void typeInto(std::string_view name, std::string_view typed)
    {
        click(name);
        if (focusedName() != name)
            throw std::runtime_error(std::string(name) + " did not take the focus");
        press(Key::A, Held::Ctrl);
        type(typed);
    }
    // Gives the control the focus as the keyboard would.
    void focus(std::string_view name);
    // What a screen reader's default action on the control does.
    void doDefaultAction(std::string_view name);
    void clickCloseBox();
    void activateAnotherWindowAndComeBack();
    // Runs look on the next message box the window shows, then presses its OK.
    void whenMessageBoxShown(std::function<void(const MessageBoxSeen&)> look);
    // Handles what arrives until the condition holds or the time is up.
    bool waitUntil(const std::function<bool()>& condition, int milliseconds = 5000);

    std::string clipboard() const;
    void setClipboard(std::string_view text);

    // A caption, or a text field's text.
    std::string text(std::string_view name) const;
    BoxValue shownValue(std::string_view box) const;
    // The control that has the window's focus, or "" when none has.
    std::string focusedName() const;
    Rect place(std::string_view name) const;
    // The width of the control's caption, measured in its own font.
    int captionWidth(std::string_view name) const;
    bool visible(std::string_view name) const;
    bool enabled(std::string_view name) const;
    bool heldDown(std::string_view button) const;
    bool isDefaultButton(std::string_view button) const;
    // The look that the field's typing and its colour, the desktop's for that look, agree on.
    std::optional<Look> look(std::string_view field) const;
    int typingLimit(std::string_view field) const;  // 0: none
    bool alignedLeft(std::string_view field) const;
    WindowFrame frame() const;
    bool windowShown() const;

    // Win32's access keys move the focus to their button; Qt's leave it where it is.
    static const bool accessKeysTakeTheFocus;

    RecordedEvents events;
    RecordedMessages messages;
    std::unique_ptr<Window> window;
};

// The window whose messages are real message boxes.
class WithMessageBoxes : public BindingTest {
protected:
    void SetUp() override { open(nullptr); }
};

}  // namespace lumetra::ui::test
