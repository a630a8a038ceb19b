#include <windows.h>

#include "frm_lumetra.h"
#include "win32_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand)
{
    lumetra::ui::Win32Window window(instance);
    lumetra::ui::FrmLumetra form(window);
    window.setUserEvents(&form);
    window.show(showCommand);
    return window.run();
}
