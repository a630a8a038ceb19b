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

MemoryFields MemoryFields::decode(const std::uint8_t* data, std::size_t size)
{
    MemoryFields f;
    f.texts_ = {"90.0", "45.0", "40.000",     "3.0000",     "1000.000000", "33.333333", "256",
                "13.333333", "0.000000", "707.106781", "707.106781", "", ""};
    static_assert(static_cast<std::size_t>(TextField::txtCalcPitch) == 12);
    f.boxes_[static_cast<std::size_t>(CheckBox::chkArmadillo2Max)] = Ticked;
    f.boxes_[static_cast<std::size_t>(CheckBox::chkMax2Armadillo)] = Clear;
    f.boxes_[static_cast<std::size_t>(CheckBox::chkNatSX)] = Ticked;
    f.boxes_[static_cast<std::size_t>(CheckBox::chkBajaStuntEnduro)] = Clear;
    f.boxes_[static_cast<std::size_t>(CheckBox::chkUseObjectScale)] = Clear;

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
                f.texts_[i] = unescape(value);
        for (std::size_t i = 0; i < checkBoxNames.size(); ++i)
            if (checkBoxNames[i] == name)
                f.boxes_[i] = value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 3;
    }
    return f;
}

void MemoryFields::setText(TextField field, const std::string& text)
{
    texts_[index(field)] = text;
    writes_.push_back({field, text});
}

void MemoryFields::showMessage(const std::string& text)
{
    messages_.push_back(text);
    writesBeforeMessage_.push_back(writes_.size());
}

void checkWriteSequence(const MemoryFields& fields, const std::vector<ExpectedWrite>& expected, bool finished,
                        std::string_view context)
{
    const std::vector<MemoryFields::Write>& writes = fields.writes();
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
