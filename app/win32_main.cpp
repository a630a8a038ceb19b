#include <windows.h>

#include <exception>
#include <optional>
#include <string>

#include "frm_lumetra.h"
#include "wide_text.h"
#include "win32_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand)
{
    std::optional<lumetra::ui::Win32Window> window;
    try {
        window.emplace(instance);
    } catch (const std::exception& error) {
        // Started by a double click, the program has nowhere else to say why nothing opens.
        const std::wstring text = L"Lumetra could not start.\n\n" + lumetra::ui::wideText(error.what());
        MessageBoxW(nullptr, text.c_str(), L"Lumetra", MB_OK | MB_ICONERROR);
        return 1;
    }
    lumetra::ui::FrmLumetra form(*window);
    window->setUserEvents(&form);
    window->show(showCommand);
    return window->run();
}
