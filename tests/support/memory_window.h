#pragma once

// The window held in memory: every control as the stored description creates it, with no
// toolkit. Tests, benchmarks and fuzz targets run the real handlers and conversions on it.
// With an event log it records what is done to it, in order:
//   "read txtHeading"              the text of a field was taken
//   "read chkNatSX"                the value of a check box was taken
//   "write txtX 0.000000"          a field's text was set
//   "value chkMax2Armadillo 1"     a box was shown a new value
//   "enabled chkUseObjectScale 0"  a box was enabled (1) or disabled (0)
//   "look txtX read-only"          a field took a look (editable or read-only)
//   "message Cannot calculate ..." a message was shown
//   "unload"                       the window was unloaded

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "printers.h"
#include "window.h"

namespace lumetra::testing {

using EventLog = std::vector<std::string>;

class MemoryWindow : public ui::Window {
public:
    explicit MemoryWindow(EventLog* log = nullptr);

    std::string text(TextField field) const override;
    void setText(TextField field, const std::string& text) override;
    BoxValue value(CheckBox box) const override;
    void showValue(CheckBox box, BoxValue value) override;
    bool boxEnabled(CheckBox box) const override { return enabled_[index(box)]; }
    void setBoxEnabled(CheckBox box, bool enabled) override;
    void setLook(TextField field, ui::Look look) override;
    void showMessage(const std::string& text) override;
    void unload() override;

    // Setting up a field or box, and looking at one, are not events.
    void put(TextField field, std::string text) { texts_[index(field)] = std::move(text); }
    void put(CheckBox box, BoxValue value) { values_[index(box)] = value; }
    const std::string& operator[](TextField field) const { return texts_[index(field)]; }
    BoxValue operator[](CheckBox box) const { return values_[index(box)]; }
    ui::Look look(TextField field) const { return looks_[index(field)]; }
    bool unloaded() const { return unloaded_; }
    const std::vector<std::string>& messages() const { return messages_; }

    // Runs while a message is "on screen", to look at the window at that moment.
    std::function<void()> whenMessageShown;

private:
    template <typename Id>
    static std::size_t index(Id id)
    {
        return static_cast<std::size_t>(id);
    }

    EventLog* log_;
    std::array<std::string, textFieldNames.size()> texts_;
    std::array<ui::Look, textFieldNames.size()> looks_{};
    std::array<BoxValue, checkBoxNames.size()> values_{};
    std::array<bool, checkBoxNames.size()> enabled_{};
    std::vector<std::string> messages_;
    bool unloaded_ = false;
};

// The events of the log that begin with the given word ("write", "read", "message").
EventLog eventsOfKind(const EventLog& log, const std::string& kind);

}  // namespace lumetra::testing
