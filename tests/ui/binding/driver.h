#pragma once

// The binding tests are written once, against this fixture, and run against every binding:
// each test program links one binding's driver (tests/ui/qt/driver.cpp, tests/ui/win32/driver.cpp
// or tests/ui/web/driver.cpp), which opens that binding's window and drives it as a user
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

#include "printers.h"
#include "recorders.h"

namespace lumetra::ui::test {

enum class Key { Tab, Space, Return, KeypadEnter, Escape, End, Backspace, A, C, V, X };
enum class Held { Nothing, Shift, Ctrl, Alt };

// What the user sees of a control. What its kind does not have stays as given here.
struct Shown {
    std::array<int, 4> place{};  // left, top, width, height in pixels, from the client area's corner
    int captionWidth = 0;        // measured in the control's own font
    bool visible = false, enabled = false;
    BoxValue value = Clear;      // check boxes
    bool heldDown = false;       // buttons and check boxes
    bool isDefault = false;      // push buttons
    std::optional<Look> look{};  // text fields: the look that their typing and their colour agree on
    int typingLimit = 0;         // text fields: 0 for none
    bool alignedLeft = false;    // text fields
};

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
    // The control that has the window's focus, or "" when none has.
    std::string focusedName() const;
    Shown shown(std::string_view name) const;
    WindowFrame frame() const;
    bool windowShown() const;

    // Win32's access keys move the focus to their button; Qt's leave it where it is.
    static const bool accessKeysTakeTheFocus;
    // What else a press can reach, by the names pressMouse takes: in the browser the window's
    // title bar and the page around it. On the desktop they are the system's, and none is named.
    static const std::vector<std::string> placesBeyondTheControls;

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
