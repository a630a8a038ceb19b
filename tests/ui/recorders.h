#pragma once

// What the tests of every toolkit binding share: recorders that stand in for the handlers
// and for the message box.

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "row_names.h"
#include "window.h"

namespace lumetra::ui::test {

// Records what the binding reports, as "click chkNatSX", "button btnExit", "left txtPitch"
// and "close box", and then runs the test's own reaction, if it has one.
class RecordedEvents : public UserEvents {
public:
    void boxClicked(CheckBox box) override { record("click " + std::string(nameOf(box))); }
    void buttonClicked(Button button) override { record("button " + std::string(nameOf(button))); }
    void fieldLeft(TextField field) override { record("left " + std::string(nameOf(field))); }
    void closeBoxClicked() override { record("close box"); }

    // Also where a recorder beside a binding that runs apart from the test (in a browser)
    // hands on what it recorded.
    void record(const std::string& event)
    {
        events.push_back(event);
        if (reaction)
            reaction(event);
    }

    std::vector<std::string> events;
    std::function<void(const std::string&)> reaction;
};

// Records each message text in order and returns at once, as if the user pressed OK.
class RecordedMessages : public Messages {
public:
    void showMessage(const std::string& text) override
    {
        texts.push_back(text);
        if (whenShown)
            whenShown();
    }

    std::vector<std::string> texts;
    // Runs while the message is "on screen", to look at the window at that moment.
    std::function<void()> whenShown;
};

}  // namespace lumetra::ui::test
