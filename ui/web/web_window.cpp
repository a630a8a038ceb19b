#include "web_window.h"

#include <emscripten.h>

#include "dom.h"
#include "user_texts.h"
#include "window_markup.h"

namespace lumetra::ui {

WebWindow::WebWindow(Messages* messages)
{
    if (!messages) {
        ownMessages_ = std::make_unique<MessageBoxes>(id());
        messages = ownMessages_.get();
    }
    messages_ = messages;
    lumetra_dom_open(id(), windowMarkup().c_str());
    for (std::size_t row = 0; row < controlRows.size(); ++row) {
        const ControlId control = controlRows[row].id;
        const int r = static_cast<int>(row);
        if (control.kind == Kind::TextField)
            edits_[static_cast<std::size_t>(control.index)].emplace(id(), r);
        else if (control.kind == Kind::CheckBox)
            boxes_[static_cast<std::size_t>(control.index)].emplace(id(), r, controlRows[row].settings.value);
    }
}

WebWindow::~WebWindow()
{
    if (!unloaded_)
        lumetra_dom_close(id(), nullptr, nullptr);
}

void WebWindow::show() { lumetra_dom_show(id()); }

void WebWindow::reported(PageEvent event, int row)
{
    if (!events_)
        return;
    switch (event) {
    case PageEvent::BoxClicked:
        events_->boxClicked(controlRows[static_cast<std::size_t>(row)].id.checkBox());
        break;
    case PageEvent::ButtonClicked:
        events_->buttonClicked(controlRows[static_cast<std::size_t>(row)].id.button());
        break;
    case PageEvent::FieldLeft:
        events_->fieldLeft(controlRows[static_cast<std::size_t>(row)].id.textField());
        break;
    case PageEvent::CloseBox:
        events_->closeBoxClicked();
        break;
    }
}

std::string WebWindow::text(TextField field) const { return edit(field).text(); }

void WebWindow::setText(TextField field, const std::string& text) { edit(field).writeText(text); }

BoxValue WebWindow::value(CheckBox box) const { return checkBox(box).value(); }

void WebWindow::showValue(CheckBox box, BoxValue value) { checkBox(box).showValue(value); }

bool WebWindow::boxEnabled(CheckBox box) const { return checkBox(box).enabled(); }

void WebWindow::setBoxEnabled(CheckBox box, bool enabled) { checkBox(box).setEnabled(enabled); }

void WebWindow::setLook(TextField field, Look look) { edit(field).setLook(look); }

void WebWindow::showMessage(const std::string& text) { messages_->showMessage(text); }

void WebWindow::unload()
{
    unloaded_ = true;
    lumetra_dom_close(id(), std::string(texts::ended).c_str(), std::string(texts::startAgain).c_str());
}

}  // namespace lumetra::ui

// The page's way in: what the user did with a control of a window, by its row.
extern "C" EMSCRIPTEN_KEEPALIVE void lumetra_web_event(lumetra::ui::WebWindow* window, int event, int row)
{
    window->reported(static_cast<lumetra::ui::PageEvent>(event), row);
}
