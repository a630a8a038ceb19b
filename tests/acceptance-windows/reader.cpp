// Reads the shown Lumetra window from outside, as an accessibility client does: it finds
// the top-level window titled "Lumetra", walks its controls in z-order and prints one line
// for each, tab-separated:
//
//   field   FRAME/LABEL   TEXT    a text field, named by the label stacked just before it
//                                 and the caption of the frame around it (empty if none)
//   box     CAPTION       0|1|2   a check box and its value
//   button  CAPTION
//   message CAPTION       TEXT    a message box that the window shows
//
// Exits with 1 when no such window is shown. Texts are read with WM_GETTEXT: the window
// belongs to another process.

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string text(HWND hwnd)
{
    wchar_t buffer[512]{};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length),
                                                                  nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    return utf8;
}

std::wstring className(HWND hwnd)
{
    wchar_t name[64]{};
    GetClassNameW(hwnd, name, 64);
    return name;
}

bool isClass(HWND hwnd, const wchar_t* name) { return lstrcmpiW(className(hwnd).c_str(), name) == 0; }

LONG style(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }

struct Found {
    HWND window = nullptr;
    std::vector<HWND> messages;
};

BOOL CALLBACK topLevel(HWND hwnd, LPARAM lParam)
{
    auto& found = *reinterpret_cast<Found*>(lParam);
    if (IsWindowVisible(hwnd) && text(hwnd) == "Lumetra" && !GetWindow(hwnd, GW_OWNER) && !isClass(hwnd, L"#32770"))
        found.window = hwnd;
    return TRUE;
}

BOOL CALLBACK messageBoxes(HWND hwnd, LPARAM lParam)
{
    auto& found = *reinterpret_cast<Found*>(lParam);
    if (IsWindowVisible(hwnd) && isClass(hwnd, L"#32770") && GetWindow(hwnd, GW_OWNER) == found.window)
        found.messages.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> children(HWND parent)
{
    std::vector<HWND> all;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        all.push_back(child);
    return all;
}

// The frame a field stands in: the group box whose rectangle holds the field's.
std::string frameOf(HWND field, const std::vector<HWND>& controls)
{
    RECT rect{}, frame{};
    GetWindowRect(field, &rect);
    for (HWND control : controls)
        if (isClass(control, L"Button") && (style(control) & BS_TYPEMASK) == BS_GROUPBOX) {
            GetWindowRect(control, &frame);
            if (rect.left >= frame.left && rect.right <= frame.right && rect.top >= frame.top &&
                rect.bottom <= frame.bottom)
                return text(control);
        }
    return "";
}

}  // namespace

int main()
{
    _setmode(_fileno(stdout), _O_BINARY);
    Found found;
    EnumWindows(topLevel, reinterpret_cast<LPARAM>(&found));
    if (!found.window) {
        std::fprintf(stderr, "no window titled Lumetra is shown\n");
        return 1;
    }
    const std::vector<HWND> controls = children(found.window);
    for (HWND control : controls) {
        const std::string caption = text(control);
        if (isClass(control, L"Edit")) {
            HWND before = GetWindow(control, GW_HWNDPREV);
            const std::string label = before && isClass(before, L"Static") ? text(before) : "";
            std::printf("field\t%s/%s\t%s\n", frameOf(control, controls).c_str(), label.c_str(), caption.c_str());
        } else if (isClass(control, L"Button")) {
            const LONG type = style(control) & BS_TYPEMASK;
            if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE)
                std::printf("box\t%s\t%d\n", caption.c_str(),
                            static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0)));
            else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
                std::printf("button\t%s\n", caption.c_str());
        }
    }
    EnumWindows(messageBoxes, reinterpret_cast<LPARAM>(&found));
    for (HWND box : found.messages) {
        std::string shown;
        for (HWND child : children(box))
            if (isClass(child, L"Static") && (style(child) & SS_TYPEMASK) != SS_ICON && IsWindowVisible(child))
                shown += text(child);
        std::printf("message\t%s\t%s\n", text(box).c_str(), shown.c_str());
    }
    return 0;
}
