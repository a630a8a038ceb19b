#pragma once

// The window in Qt: the widgets built from the stored description by one loop, the
// Window interface over them, and the user's clicks, keys and focus changes passed on to
// the handlers. A program's own writes are never passed on.

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "window.h"
#include "window_description.h"

namespace lumetra::ui {

class FieldEdit;
class ValueCheckBox;

class QtWindow : public QWidget, public Window {
public:
    // Messages go to the given sink; without one they are modal message boxes.
    explicit QtWindow(Messages* messages = nullptr);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;
    QtWindow(QtWindow&&) = delete;
    QtWindow& operator=(QtWindow&&) = delete;

    // Where the user's actions go; until this is set they run nothing.
    void setUserEvents(UserEvents* events) { events_ = events; }

    std::string text(TextField field) const override;
    void setText(TextField field, const std::string& text) override;
    BoxValue value(CheckBox box) const override;
    void showValue(CheckBox box, BoxValue value) override;
    bool boxEnabled(CheckBox box) const override;
    void setBoxEnabled(CheckBox box, bool enabled) override;
    void setLook(TextField field, Look look) override;
    void showMessage(const std::string& text) override;
    void unload() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QWidget* createControl(const ControlRow& row, QWidget* container);
    FieldEdit& edit(TextField field) { return *edits_[static_cast<std::size_t>(field)]; }
    const FieldEdit& edit(TextField field) const { return *edits_[static_cast<std::size_t>(field)]; }
    ValueCheckBox& checkBox(CheckBox box) { return *boxes_[static_cast<std::size_t>(box)]; }
    const ValueCheckBox& checkBox(CheckBox box) const { return *boxes_[static_cast<std::size_t>(box)]; }

    // Every control by its row; the fields and boxes again by their ids. Qt's parents own them.
    std::array<QWidget*, controlCount> controls_{};
    std::array<FieldEdit*, textFieldNames.size()> edits_{};
    std::array<ValueCheckBox*, checkBoxNames.size()> boxes_{};
    std::unique_ptr<Messages> ownMessages_;
    Messages* messages_;
    UserEvents* events_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace lumetra::ui
