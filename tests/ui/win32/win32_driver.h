#pragma once

// What the Win32 binding's own tests reach beyond the shared driver: the window's and its
// controls' handles.

#include <windows.h>

#include <string>
#include <string_view>

#include "driver.h"
#include "win32_window.h"

namespace lumetra::ui::test {

inline Win32Window& win32(Window& window) { return static_cast<Win32Window&>(window); }

HWND control(Window& window, std::string_view name);
std::string windowText(HWND hwnd);

}  // namespace lumetra::ui::test
