#pragma once

// The window in the page: HTML controls written from the stored description by one loop
// (window_markup.h), the Window interface over them, and the user's clicks, keys and moves of
// the focus passed on to the handlers. A program's own writes are never passed on.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "field_edit.h"
#include "message_box.h"
#include "value_check_box.h"
#include "window.h"
#include "window_description.h"
#include "window_markup.h"

namespace lumetra::ui {

class WebWindow : public Window {
public:
    // Takes the window the page shows in its element "lumetra" (or its body), or else puts it
    // there. Messages go to the given sink; without one they are modal dialogs.
    explicit WebWindow(Messages* messages = nullptr);
    // Takes the window off the page, if unloading has not already done so.
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;
    WebWindow(WebWindow&&) = delete;
    WebWindow& operator=(WebWindow&&) = delete;

    // Where the user's actions go; until this is set they run nothing.
    void setUserEvents(UserEvents* events) { events_ = events; }
    // The program is ready: what the user did while it loaded is reported, and the focus goes
    // to the first control in tab order unless the user has put it in the window already.
    void show();
    void reported(PageEvent event, int row);
    std::uintptr_t id() const { return reinterpret_cast<std::uintptr_t>(this); }

    std::string text(TextField field) const override;
    void setText(TextField field, const std::string& text) override;
    BoxValue value(CheckBox box) const override;
    void showValue(CheckBox box, BoxValue value) override;
    bool boxEnabled(CheckBox box) const override;
    void setBoxEnabled(CheckBox box, bool enabled) override;
    void setLook(TextField field, Look look) override;
    void showMessage(const std::string& text) override;
    // The page says Lumetra has ended, with a way to start it again.
    void unload() override;

private:
    FieldEdit& edit(TextField field) { return *edits_[static_cast<std::size_t>(field)]; }
    const FieldEdit& edit(TextField field) const { return *edits_[static_cast<std::size_t>(field)]; }
    ValueCheckBox& checkBox(CheckBox box) { return *boxes_[static_cast<std::size_t>(box)]; }
    const ValueCheckBox& checkBox(CheckBox box) const { return *boxes_[static_cast<std::size_t>(box)]; }

    std::array<std::optional<FieldEdit>, textFieldNames.size()> edits_;
    std::array<std::optional<ValueCheckBox>, checkBoxNames.size()> boxes_;
    std::unique_ptr<Messages> ownMessages_;
    Messages* messages_;
    UserEvents* events_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace lumetra::ui
