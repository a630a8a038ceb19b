#include "message_box.h"

#include "wide_text.h"
#include "window_description.h"

namespace lumetra::ui {

void MessageBoxes::showMessage(const std::string& text)
{
    // A control pressed when the message comes up still holds the mouse, and the release
    // would click it behind the message. It lets go now: the click is lost, and nothing
    // is left held down.
    if (HWND captured = GetCapture(); captured && IsChild(owner_, captured))
        ReleaseCapture();
    showing_ = true;
    MessageBoxW(owner_, wideText(text).c_str(), wideText(windowRow.caption).c_str(), MB_OK);
    showing_ = false;
}

}  // namespace lumetra::ui
