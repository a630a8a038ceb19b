#include "field_input.h"

#include <string_view>

#include "invariants.h"

namespace lumetra::fuzz {

namespace {

std::string unescape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && (value[i + 1] == 'n' || value[i + 1] == '\\')) {
            out += value[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

}  // namespace

void decodeInto(testing::MemoryWindow& window, const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;

        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view name = line.substr(0, eq);
        const std::string_view value = line.substr(eq + 1);
        for (std::size_t i = 0; i < textFieldNames.size(); ++i)
            if (textFieldNames[i] == name)
                window.put(static_cast<TextField>(i), unescape(value));
        for (std::size_t i = 0; i < checkBoxNames.size(); ++i)
            if (checkBoxNames[i] == name)
                window.put(static_cast<CheckBox>(i),
                           static_cast<BoxValue>(value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 3));
    }
}

std::vector<Write> writesOf(const testing::EventLog& log)
{
    std::vector<Write> writes;
    for (const std::string& event : testing::eventsOfKind(log, "write")) {
        // "write NAME TEXT": control names hold no space, the text may.
        const std::size_t nameEnd = event.find(' ', 6);
        const std::string_view name = std::string_view(event).substr(6, nameEnd - 6);
        for (std::size_t i = 0; i < textFieldNames.size(); ++i)
            if (textFieldNames[i] == name)
                writes.push_back({static_cast<TextField>(i), event.substr(nameEnd + 1)});
    }
    return writes;
}

std::size_t writesBeforeFirstMessage(const testing::EventLog& log)
{
    std::size_t writes = 0;
    for (const std::string& event : log) {
        if (event.starts_with("message "))
            break;
        if (event.starts_with("write "))
            ++writes;
    }
    return writes;
}

void checkWriteSequence(const std::vector<Write>& writes, const std::vector<ExpectedWrite>& expected, bool finished,
                        std::string_view context)
{
    if (writes.size() > expected.size())
        trap(context, "more writes than expected");
    if (finished && writes.size() != expected.size())
        trap(context, "finished without making every write");
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const std::string where = std::string(context) + ", " + std::string(nameOf(writes[i].field));
        if (writes[i].field != expected[i].field)
            trap(where, "written out of order, expected " + std::string(nameOf(expected[i].field)));
        if (expected[i].decimals == generalForm)
            checkGeneralText(writes[i].text, where);
        else
            checkFixedText(writes[i].text, expected[i].decimals, where);
    }
}

}  // namespace lumetra::fuzz
