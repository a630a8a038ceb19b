#include "windows_error.h"

#include <windows.h>

#include <string>

#include "wide_text.h"

namespace lumetra::ui {

std::runtime_error windowsError(std::string_view what)
{
    const DWORD error = GetLastError();
    wchar_t* reason = nullptr;
    const DWORD length = error ? FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                                nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr)
                               : 0;
    std::string text(what);
    if (length) {
        std::string said = utf8Text(std::wstring_view(reason, length));
        said.erase(said.find_last_not_of(" \r\n") + 1);
        text += ": " + said;
    } else {
        text += '.';
    }
    LocalFree(reason);
    return std::runtime_error(text);
}

}  // namespace lumetra::ui
