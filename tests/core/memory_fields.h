#pragma once

// Plain test doubles for the conversions: fields that only hold their texts and values, and
// a message sink that fails the test if any message is shown.

#include <array>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>

#include "fields.h"

namespace lumetra::testing {

class MemoryFields : public Fields {
public:
    std::string text(TextField f) const override { return texts[static_cast<std::size_t>(f)]; }
    void setText(TextField f, const std::string& t) override { texts[static_cast<std::size_t>(f)] = t; }
    int value(CheckBox c) const override { return values[static_cast<std::size_t>(c)]; }

    std::array<std::string, textFieldNames.size()> texts;
    std::array<int, checkBoxNames.size()> values{};
};

class NoMessages : public Messages {
public:
    void showMessage(const std::string& text) override { ADD_FAILURE() << "unexpected message: " << text; }
};

}  // namespace lumetra::testing
