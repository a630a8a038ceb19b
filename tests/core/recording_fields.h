#pragma once

// Test doubles for the window: fields held in maps and a message box, both of which
// record what the conversions do to them, in order, into one shared event log.
//
// Events read as:
//   "read txtHeading"                  the text of a field was taken
//   "read chkNatSX"                    the value of a check box was taken
//   "write txtX 0.000000"              a field's text was set
//   "message Cannot calculate ..."     a message was shown

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fields.h"

namespace lumetra::testing {

using EventLog = std::vector<std::string>;

class RecordingFields : public Fields {
public:
    explicit RecordingFields(EventLog& log) : log_(&log) {}

    // The texts and values that the window holds when it opens.
    static RecordingFields withWindowDefaults(EventLog& log)
    {
        RecordingFields f(log);
        f.texts_ = {
            {TextField::txtHeading, "90.0"},
            {TextField::txtPitch, "45.0"},
            {TextField::txtDilloStrength, "40.000"},
            {TextField::txtGridRes, "3.0000"},
            {TextField::txtDistance, "1000.000000"},
            {TextField::txtObjectScale, "33.333333"},
            {TextField::txtGridSize, "256"},
            {TextField::txtMaxStrength, "13.333333"},
            {TextField::txtX, "0.000000"},
            {TextField::txtY, "707.106781"},
            {TextField::txtZ, "707.106781"},
            {TextField::txtCalcHeading, ""},
            {TextField::txtCalcPitch, ""},
        };
        f.boxes_ = {
            {CheckBox::chkArmadillo2Max, Ticked},   {CheckBox::chkMax2Armadillo, Clear}, {CheckBox::chkNatSX, Ticked},
            {CheckBox::chkBajaStuntEnduro, Clear}, {CheckBox::chkUseObjectScale, Clear},
        };
        return f;
    }

    // Setting up a field or box is not an event.
    void put(TextField field, std::string text) { texts_[field] = std::move(text); }
    void put(CheckBox box, int value) { boxes_[box] = value; }

    // The current text, without recording a read.
    const std::string& operator[](TextField field) const { return texts_.at(field); }

    std::string text(TextField field) const override
    {
        log_->push_back("read " + std::string(nameOf(field)));
        return texts_.at(field);
    }

    void setText(TextField field, const std::string& text) override
    {
        log_->push_back("write " + std::string(nameOf(field)) + " " + text);
        texts_[field] = text;
    }

    int value(CheckBox box) const override
    {
        log_->push_back("read " + std::string(nameOf(box)));
        return boxes_.at(box);
    }

private:
    EventLog* log_;
    std::map<TextField, std::string> texts_;
    std::map<CheckBox, int> boxes_;
};

class RecordingMessages : public Messages {
public:
    explicit RecordingMessages(EventLog& log) : log_(&log) {}

    void showMessage(const std::string& text) override
    {
        shown.push_back(text);
        log_->push_back("message " + text);
    }

    std::vector<std::string> shown;

private:
    EventLog* log_;
};

// The events of the log that begin with the given word ("write", "read", "message").
inline EventLog eventsOfKind(const EventLog& log, const std::string& kind)
{
    EventLog out;
    for (const std::string& e : log)
        if (e.rfind(kind + " ", 0) == 0)
            out.push_back(e);
    return out;
}

}  // namespace lumetra::testing
