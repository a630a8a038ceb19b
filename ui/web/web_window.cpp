#include "web_window.h"

#include <emscripten.h>

#include "dom.h"

namespace lumetra::ui {

namespace {

std::string zeroTerminated(std::string_view text) { return std::string(text); }

}  // namespace

WebWindow::WebWindow(Messages* messages)
{
    if (!messages) {
        ownMessages_ = std::make_unique<MessageBoxes>(id());
        messages = ownMessages_.get();
    }
    messages_ = messages;
    lumetra_dom_open(id(), zeroTerminated(windowRow.caption).c_str(), pixels(windowRow.clientWidth),
                     pixels(windowRow.clientHeight));
    buildControls();
}

WebWindow::~WebWindow()
{
    if (open_)
        lumetra_dom_close(id(), false);
}

void WebWindow::buildControls()
{
    for (std::size_t i = 0; i < controlRows.size(); ++i) {
        const ControlRow& row = controlRows[i];
        const int r = static_cast<int>(i);
        // A label sized to its caption takes the width its text needs in the page's font.
        const bool sized = row.settings.sizedToCaption;
        lumetra_dom_add(id(), r, static_cast<int>(row.id.kind), row.container, zeroTerminated(row.name()).c_str(),
                        zeroTerminated(row.caption).c_str(), pixels(row.left), pixels(row.top),
                        sized ? -1 : pixels(row.width), sized ? -1 : pixels(row.height), row.tabIndex, row.labelFor);
        if (!row.settings.enabled)
            lumetra_dom_set_enabled(id(), r, false);
        if (!row.settings.visible)
            lumetra_dom_set_visible(id(), r, false);
        if (row.id.kind == Kind::TextField)
            edits_[static_cast<std::size_t>(row.id.index)].emplace(id(), r, row.settings.typingLimit, row.settings.look);
        else if (row.id.kind == Kind::CheckBox)
            boxes_[static_cast<std::size_t>(row.id.index)].emplace(id(), r, row.settings.value);
    }
}

void WebWindow::show() { lumetra_dom_focus(id(), static_cast<int>(firstFocus)); }

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

BoxValue WebWindow::value(CheckBox which) const { return box(which).value(); }

void WebWindow::showValue(CheckBox which, BoxValue value) { box(which).showValue(value); }

bool WebWindow::boxEnabled(CheckBox which) const { return box(which).enabled(); }

void WebWindow::setBoxEnabled(CheckBox which, bool enabled) { box(which).setEnabled(enabled); }

void WebWindow::setLook(TextField field, Look look) { edit(field).setLook(look); }

void WebWindow::showMessage(const std::string& text) { messages_->showMessage(text); }

void WebWindow::unload()
{
    open_ = false;
    lumetra_dom_close(id(), true);
}

}  // namespace lumetra::ui

// The page's way in: what the user did with a control of a window, by its row.
extern "C" EMSCRIPTEN_KEEPALIVE void lumetra_web_event(lumetra::ui::WebWindow* window, int event, int row)
{
    window->reported(static_cast<lumetra::ui::PageEvent>(event), row);
}
