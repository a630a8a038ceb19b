#pragma once

// The window's fields held in memory for the conversion targets, and the decoding of a
// fuzz input into their texts and check-box values.
//
// Input encoding, chosen so that seeds can be written by hand:
//   - The input is split into lines at each line feed.
//   - A line "NAME=VALUE" sets the field or check box NAME (a control name such as
//     txtHeading or chkNatSX). A later line for the same name wins.
//   - For a text field, VALUE is the text up to the end of the line, taken byte for byte,
//     except that "\n" stands for a line feed and "\\" for one backslash.
//   - For a check box, the first byte of VALUE modulo 3 is the value, so "0", "1" and "2"
//     mean themselves and any other byte still gives 0, 1 or 2; an empty VALUE is 0.
//   - Lines that name no control, or have no "=", are ignored.
//   - Controls that no line names keep the texts and values that the window opens with.
// So "txtX=-500\ntxtY=500\ntxtZ=707.106781\n" is a light at (-500, 500, 707.106781) with
// every other field as at start-up.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"

namespace lumetra::fuzz {

class MemoryFields : public Fields, public Messages {
public:
    struct Write {
        TextField field;
        std::string text;
    };

    // The window's state decoded from a fuzz input, as described above.
    static MemoryFields decode(const std::uint8_t* data, std::size_t size);

    std::string text(TextField field) const override { return texts_[index(field)]; }
    void setText(TextField field, const std::string& text) override;
    int value(CheckBox box) const override { return boxes_[static_cast<std::size_t>(box)]; }
    void showMessage(const std::string& text) override;

    // Every write in order; the messages and how many writes had happened before each.
    const std::vector<Write>& writes() const { return writes_; }
    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::size_t>& writesBeforeMessage() const { return writesBeforeMessage_; }

private:
    static std::size_t index(TextField field) { return static_cast<std::size_t>(field); }

    std::array<std::string, 13> texts_;
    std::array<int, 5> boxes_{};
    std::vector<Write> writes_;
    std::vector<std::string> messages_;
    std::vector<std::size_t> writesBeforeMessage_;
};

// One write that a conversion makes: the field and the decimals of its fixed-point
// pattern, or generalForm for the general number text.
inline constexpr int generalForm = -1;
struct ExpectedWrite {
    TextField field;
    int decimals;
};

// The writes happened in the expected order, each text in its field's form; a conversion
// that finished made all of them, one stopped by a fault a leading part of them.
void checkWriteSequence(const MemoryFields& fields, const std::vector<ExpectedWrite>& expected, bool finished,
                        std::string_view context);

}  // namespace lumetra::fuzz
