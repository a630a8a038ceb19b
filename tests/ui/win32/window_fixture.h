#pragma once

// What every test of the Win32 binding shares: a fresh, active window whose user events
// (and, unless a test wants real message boxes, its messages) are recorded, driven by real
// input (SendInput) and pumped through the binding's own dialog-message loop.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "recorders.h"
#include "win32_window.h"

namespace lumetra::ui::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(&messages); }
    void TearDown() override;

    // Opens the window, shown and in the foreground; without a sink a message is a real
    // message box.
    void open(Messages* sink);
    // Handles what is queued and what arrives until the queue has been quiet for a moment.
    void pump();
    bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);

    HWND control(std::string_view name) const;
    std::string text(std::string_view name) const;
    int check(std::string_view name) const;
    // The name of the control that has the focus, or "" when none has.
    std::string focusedName() const;

    // Presses and releases the left button at the control's centre.
    void click(std::string_view name);
    void mouseButton(bool down);
    // Presses the key while the modifiers are held: press(VK_TAB, {VK_SHIFT}).
    void press(WORD key, std::initializer_list<WORD> modifiers = {});
    void type(std::string_view typed);
    // Clicks the field, selects all of its text with Ctrl+A and types over it.
    void typeInto(std::string_view name, std::string_view typed);

    // Runs look on the next message box the window shows, then presses Enter in it.
    void whenMessageBoxShown(std::function<void(HWND box)> look);

    RecordedEvents events;
    RecordedMessages messages;
    std::unique_ptr<Win32Window> window;
};

std::string windowText(HWND hwnd);
std::string clipboardText();
void setClipboardText(std::string_view text);

}  // namespace lumetra::ui::test
