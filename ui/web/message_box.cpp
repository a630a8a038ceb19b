#include "message_box.h"

#include <string>

#include "dom.h"
#include "user_texts.h"
#include "window_description.h"

namespace lumetra::ui {

void MessageBoxes::showMessage(const std::string& text)
{
    lumetra_dom_show_message(owner_, std::string(windowRow.caption).c_str(), text.c_str(),
                             std::string(texts::messageButton).c_str());
}

}  // namespace lumetra::ui
