#pragma once

// The decoding of a fuzz input into the texts and check-box values of the in-memory
// window, and the checks of what the conversions wrote into it.
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

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "memory_window.h"

namespace lumetra::fuzz {

// Sets the window's texts and box values from a fuzz input, as described above.
void decodeInto(testing::MemoryWindow& window, const std::uint8_t* data, std::size_t size);

// One field write of the window's event log.
struct Write {
    TextField field;
    std::string text;
};

// The field writes of a log in order, and how many of them came before the first message.
std::vector<Write> writesOf(const testing::EventLog& log);
std::size_t writesBeforeFirstMessage(const testing::EventLog& log);

// One write that a conversion makes: the field and the decimals of its fixed-point
// pattern, or generalForm for the general number text.
inline constexpr int generalForm = -1;
struct ExpectedWrite {
    TextField field;
    int decimals;
};

// The writes happened in the expected order, each text in its field's form; a conversion
// that finished made all of them, one stopped by a fault a leading part of them.
void checkWriteSequence(const std::vector<Write>& writes, const std::vector<ExpectedWrite>& expected, bool finished,
                        std::string_view context);

}  // namespace lumetra::fuzz
