#include <windows.h>

#include <exception>
#include <optional>
#include <string>

#include "frm_lumetra.h"
#include "user_texts.h"
#include "wide_text.h"
#include "window_description.h"
#include "win32_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand)
{
    std::optional<lumetra::ui::Win32Window> window;
    try {
        window.emplace(instance);
    } catch (const std::exception& error) {
        // Started by a double click, the program has nowhere else to say why nothing opens.
        const std::wstring text = lumetra::ui::wideText(std::string(lumetra::texts::couldNotStart) + "\n\n" + error.what());
        MessageBoxW(nullptr, text.c_str(), lumetra::ui::wideText(lumetra::ui::windowRow.caption).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    lumetra::ui::FrmLumetra form(*window);
    window->setUserEvents(&form);
    window->show(showCommand);
    return window->run();
}
