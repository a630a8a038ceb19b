#include "window_markup.h"

#include "user_texts.h"
#include "window_description.h"

namespace lumetra::ui {

namespace {

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string px(int twips) { return std::to_string(pixels(twips)) + "px"; }

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

// A caption such as "E&xit": the ampersand marks the access key, drawn underlined; "&&" is
// an ampersand.
struct Caption {
    std::string html;
    char key = 0;
};

Caption caption(std::string_view text)
{
    Caption c;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            const char marked = text[++i];
            if (marked != '&' && c.key == 0) {
                c.key = marked;
                c.html += "<u>" + escaped(std::string(1, marked)) + "</u>";
                continue;
            }
        }
        c.html += escaped(std::string(1, text[i]));
    }
    return c;
}

// The place of a control in its container; a label sized to its caption takes the width its
// text needs in the page's font.
std::string place(const ControlRow& row)
{
    std::string style = "left:" + px(row.left) + ";top:" + px(row.top);
    if (!row.settings.sizedToCaption)
        style += ";width:" + px(row.width) + ";height:" + px(row.height);
    return attribute("style", style);
}

std::string event(PageEvent event) { return attribute("data-event", std::to_string(static_cast<int>(event))); }

// What every control that takes the focus carries: its name, its row and what the user's use
// of it reports.
std::string identity(const ControlRow& row, std::size_t index)
{
    const PageEvent reports = row.id.kind == Kind::TextField  ? PageEvent::FieldLeft
                              : row.id.kind == Kind::CheckBox ? PageEvent::BoxClicked
                                                              : PageEvent::ButtonClicked;
    std::string out = attribute("id", row.name()) + attribute("data-row", std::to_string(index)) + event(reports);
    if (!row.settings.enabled)
        out += " disabled";
    if (index == firstFocus)
        out += " autofocus";
    return out;
}

std::string control(std::size_t index)
{
    const ControlRow& row = controlRows[index];
    const std::string hidden = row.settings.visible ? "" : " hidden";
    switch (row.id.kind) {
    case Kind::Label: {
        const std::string tied = row.labelFor == noRow ? "" : attribute("for", controlRows[static_cast<std::size_t>(row.labelFor)].name());
        return "<label class=\"control label\"" + attribute("id", row.name()) + tied + place(row) + hidden + ">" +
               escaped(row.caption) + "</label>";
    }
    case Kind::TextField: {
        const bool readOnly = row.settings.look == Look::ReadOnly;
        std::string out = "<input type=\"text\" class=\"control field" + std::string(readOnly ? " read-only" : "") + "\"" +
                          identity(row, index) + attribute("value", row.caption) + place(row) + hidden;
        if (row.settings.typingLimit > 0)
            out += attribute("maxlength", std::to_string(row.settings.typingLimit));
        return out + (readOnly ? " readonly" : "") + " autocomplete=\"off\" spellcheck=\"false\">";
    }
    case Kind::CheckBox:
        return "<label class=\"control box check" + std::string(row.settings.enabled ? "" : " disabled") + "\"" +
               place(row) + hidden + "><input type=\"checkbox\"" + identity(row, index) +
               (row.settings.value == Clear ? "" : " checked") + ">" + escaped(row.caption) + "</label>";
    case Kind::PushButton: {
        const Caption c = caption(row.caption);
        std::string keys;
        if (c.key != 0) {
            const auto upper = static_cast<char>(c.key >= 'a' && c.key <= 'z' ? c.key - 'a' + 'A' : c.key);
            // The page's script presses the button: the browsers' own access keys differ.
            keys = attribute("aria-keyshortcuts", "Alt+" + std::string(1, upper));
        }
        return "<button type=\"button\" class=\"control button\"" + identity(row, index) + place(row) + hidden + keys +
               ">" + c.html + "</button>";
    }
    case Kind::Frame: {
        std::string out = "<fieldset class=\"control frame\"" + attribute("id", row.name()) + place(row) + hidden + ">";
        if (!row.caption.empty())
            out += "<legend>" + escaped(row.caption) + "</legend>";
        // The controls a frame contains follow it at once in the stored order.
        for (std::size_t i = index + 1; i < controlRows.size() && controlRows[i].container == static_cast<int>(index); ++i)
            out += control(i);
        return out + "</fieldset>";
    }
    }
    return {};
}

}  // namespace

std::string windowMarkup()
{
    std::string client;
    for (std::size_t i = 0; i < controlRows.size(); ++i)
        if (controlRows[i].container == noRow)
            client += control(i);
    std::string order;
    for (std::size_t row : tabOrder)
        if (takesFocus(controlRows[row].id.kind) && controlRows[row].settings.visible)
            order += (order.empty() ? "" : " ") + std::to_string(row);
    return "<section class=\"lumetra-window\" aria-labelledby=\"lumetra-caption\"" + attribute("data-tab-order", order) +
           "><div class=\"title-bar\">"
           "<img class=\"icon\" src=\"icons/lumetra-16.png\" srcset=\"icons/lumetra-16.png 1x, icons/lumetra-32.png 2x\""
           " alt=\"\" width=\"16\" height=\"16\"><h1 class=\"caption\" id=\"lumetra-caption\">" +
           escaped(windowRow.caption) +
           "</h1><button type=\"button\" class=\"close-box\" tabindex=\"-1\"" + event(PageEvent::CloseBox) +
           attribute("aria-label", texts::closeBox) +
           attribute("title", texts::closeBox) + "></button></div><div class=\"client\"" +
           attribute("style", "width:" + px(windowRow.clientWidth) + ";height:" + px(windowRow.clientHeight)) + ">" +
           client + "</div></section>";
}

std::string pageMarkup() { return windowMarkup() + "<noscript>" + escaped(texts::scriptsOff) + "</noscript>"; }

}  // namespace lumetra::ui
