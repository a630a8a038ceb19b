// The shared binding tests' driver for the browser: the binding runs in headless chromium
// (harness.cpp in harness.html), and this test program, under node, drives it through
// relay.py with the DevTools protocol's real mouse and key input, reading back what the page
// shows (harness.js). What the binding reports waits in the page and is handed to the
// recorders after each action, so a test's reaction runs once the action's events are in.

#include <emscripten.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

#include "binding_rows.h"
#include "driver.h"

namespace lumetra::ui::test {

namespace {

// node's own synchronous file calls on two named pipes to relay.py, which it starts.
EM_JS(void, startRelay, (), {
    const cp = require('child_process');
    const fs = require('fs');
    const os = require('os');
    const path = require('path');
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'lumetra-relay-'));
    const requests = path.join(dir, 'requests');
    const answers = path.join(dir, 'answers');
    cp.execFileSync('mkfifo', [requests, answers]);
    const env = process.env;
    const child = cp.spawn(env.LUMETRA_PYTHON || '/usr/bin/python3',
                           [env.LUMETRA_RELAY, env.LUMETRA_HARNESS_SITE, 'harness.html', requests, answers],
                           {stdio: ['ignore', 'inherit', 'inherit']});
    child.unref();
    // Opened in the order relay.py opens them, each open waiting for the other end.
    Module.relay = {out: fs.openSync(requests, 'w'), in: fs.openSync(answers, 'r'), pending: "", dir: dir};
});

EM_JS(char*, askRelay, (const char* request), {
    const fs = require('fs');
    const relay = Module.relay;
    fs.writeSync(relay.out, UTF8ToString(request) + '\n');
    const buffer = Buffer.alloc(65536);
    while (relay.pending.indexOf('\n') < 0) {
        const n = fs.readSync(relay.in, buffer, 0, buffer.length, null);
        if (n === 0) throw new Error('relay.py has ended');
        relay.pending += buffer.toString('utf8', 0, n);
    }
    const end = relay.pending.indexOf('\n');
    const line = relay.pending.slice(0, end);
    relay.pending = relay.pending.slice(end + 1);
    const size = lengthBytesUTF8(line) + 1;
    const p = _malloc(size);
    stringToUTF8(line, p, size);
    return p;
});

std::string jsString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + '"';
}

// Sends one request (the JSON object's members) and returns its answer.
std::string ask(const std::string& members)
{
    static const bool started = (startRelay(), true);
    (void)started;
    const std::unique_ptr<char, decltype(&std::free)> line(askRelay(("{" + members + "}").c_str()), &std::free);
    std::string answer;
    const std::string_view raw(line.get());
    for (std::size_t i = 1; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size())
            answer += raw[++i] == 'n' ? '\n' : raw[i];
        else
            answer += raw[i];
    }
    if (raw.empty() || raw[0] != '=')
        throw std::runtime_error("in the page: " + answer);
    return answer;
}

std::string eval(const std::string& js, bool awaited = false)
{
    return ask("\"op\":\"eval\",\"js\":" + jsString(js) + (awaited ? ",\"await\":true" : ""));
}

std::string seen(const std::string& call) { return eval("seen." + call); }

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

template <std::size_t N>
int indexOf(const std::array<std::string_view, N>& names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return static_cast<int>(i);
    throw std::out_of_range("no control is named " + std::string(name));
}

std::string number(int n) { return std::to_string(n); }

// The window's interface, carried out by the binding in the page.
class PageWindow : public Window {
public:
    std::string text(TextField field) const override
    {
        return eval("Module.ccall('harness_text', 'string', ['number'], [" + number(static_cast<int>(field)) + "])");
    }
    void setText(TextField field, const std::string& text) override
    {
        eval("Module.ccall('harness_set_text', null, ['number', 'string'], [" + number(static_cast<int>(field)) + ", " +
             jsString(text) + "])");
    }
    BoxValue value(CheckBox box) const override
    {
        return static_cast<BoxValue>(std::stoi(eval("Module._harness_value(" + number(static_cast<int>(box)) + ")")));
    }
    void showValue(CheckBox box, BoxValue value) override
    {
        eval("Module._harness_show_value(" + number(static_cast<int>(box)) + ", " + number(numberOf(value)) + ")");
    }
    bool boxEnabled(CheckBox box) const override
    {
        return eval("Module._harness_box_enabled(" + number(static_cast<int>(box)) + ")") == "1";
    }
    void setBoxEnabled(CheckBox box, bool enabled) override
    {
        eval("Module._harness_set_box_enabled(" + number(static_cast<int>(box)) + ", " + (enabled ? "1" : "0") + ")");
    }
    void setLook(TextField field, Look look) override
    {
        eval("Module._harness_set_look(" + number(static_cast<int>(field)) + ", " +
             (look == Look::ReadOnly ? "1" : "0") + ")");
    }
    // Modal, as the desktop's: returns once the message has been dismissed.
    void showMessage(const std::string& text) override;
    void unload() override { eval("Module._harness_unload()"); }
};

// The look a test waits to run on the next message, and where the window's events and the
// sink's messages go.
std::function<void(const MessageBoxSeen&)> lookAtBox;
RecordedEvents* recorder = nullptr;
Messages* sink = nullptr;
std::pair<double, double> pressedAt;

bool messageUp() { return !seen("message()").empty(); }

// The centre of the element a JavaScript expression names, in the page's pixels.
std::pair<double, double> centreOf(const std::string& element)
{
    const std::vector<std::string> at = lines(eval("(() => { const r = (" + element + ").getBoundingClientRect();"
                                                   " return (r.left + r.width / 2) + '\\n' + (r.top + r.height / 2); })()"));
    return {std::stod(at[0]), std::stod(at[1])};
}

void mouse(const char* type, std::pair<double, double> at)
{
    std::ostringstream request;
    request << "\"op\":\"mouse\",\"type\":\"" << type << "\",\"x\":" << at.first << ",\"y\":" << at.second;
    ask(request.str());
}

void clickAt(std::pair<double, double> at)
{
    for (const char* type : {"mouseMoved", "mousePressed", "mouseReleased"})
        mouse(type, at);
}

// Runs the waiting look on the message that is up, then presses its OK as a user would.
void answerMessage()
{
    const std::vector<std::string> parts = lines(seen("message()"));
    if (parts.size() < 4 || !lookAtBox)
        return;
    MessageBoxSeen box{parts[0], parts[1], {}, parts[3] == "1"};
    std::istringstream buttons(parts[2]);
    for (std::string b; std::getline(buttons, b, '|');)
        box.buttons.push_back(b);
    std::exchange(lookAtBox, nullptr)(box);
    clickAt(centreOf("document.querySelector('dialog[open] button')"));
}

// Hands what the page holds to the recorders and answers a message the test waits for,
// until nothing more comes.
void settle()
{
    for (bool more = true; more;) {
        more = false;
        for (const std::string& event : lines(seen("take('bindingEvents')"))) {
            more = true;
            const std::string name = event.substr(event.find(' ') + 1);
            if (event.starts_with("click "))
                recorder->boxClicked(static_cast<CheckBox>(indexOf(checkBoxNames, name)));
            else if (event.starts_with("button "))
                recorder->buttonClicked(static_cast<Button>(indexOf(buttonNames, name)));
            else if (event.starts_with("left "))
                recorder->fieldLeft(fieldNamed(name));
            else
                recorder->closeBoxClicked();
        }
        for (const std::string& text : lines(seen("take('sinkMessages')"))) {
            more = true;
            if (sink)
                sink->showMessage(text);
        }
        if (lookAtBox && messageUp()) {
            more = true;
            answerMessage();
        }
    }
}

void PageWindow::showMessage(const std::string& text)
{
    eval("Module.ccall('harness_show_message', null, ['string'], [" + jsString(text) + "], {async: true}), ''");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (messageUp() || !lines(seen("take('sinkMessages')")).empty()) {
        settle();
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the message was still up after 5 s");
    }
}

}  // namespace

// Chromium's access keys focus their button before pressing it, as Windows's do.
const bool BindingTest::accessKeysTakeTheFocus = true;

void BindingTest::open(Messages* messages)
{
    static const bool pageOpen = (ask("\"op\":\"open\""), true);
    (void)pageOpen;
    recorder = &events;
    sink = messages;
    eval(std::string("Module._harness_open(") + (messages ? "1" : "0") + ")");
    seen("take('bindingEvents')");
    window = std::make_unique<PageWindow>();
}

void BindingTest::TearDown()
{
    if (std::exchange(lookAtBox, nullptr))
        ADD_FAILURE() << "the message box the test waited for was never shown";
    if (messageUp())
        eval("document.querySelector('dialog[open]').close()");
    eval("Module._harness_close()");
    window.reset();
    recorder = nullptr;
    sink = nullptr;
}

void BindingTest::pressMouse(std::string_view name)
{
    pressedAt = centreOf("seen.control(" + jsString(name) + ")");
    mouse("mouseMoved", pressedAt);
    mouse("mousePressed", pressedAt);
    settle();
}

void BindingTest::releaseMouse()
{
    mouse("mouseReleased", pressedAt);
    settle();
}

void BindingTest::press(Key key, Held held)
{
    static constexpr const char* keys[] = {"Tab", " ", "Enter", "Enter", "Escape", "End", "Backspace", "a", "c", "v", "x"};
    static constexpr int modifiers[] = {0, 8, 2, 1};
    ask(std::string("\"op\":\"key\",\"key\":") + jsString(keys[static_cast<int>(key)]) +
        ",\"modifiers\":" + number(modifiers[static_cast<int>(held)]));
    settle();
}

void BindingTest::type(std::string_view typed)
{
    ask("\"op\":\"type\",\"text\":" + jsString(typed));
    settle();
}

void BindingTest::focus(std::string_view name)
{
    eval("seen.control(" + jsString(name) + ").focus()");
    settle();
}

// A screen reader's default action clicks the element.
void BindingTest::doDefaultAction(std::string_view name)
{
    eval("seen.control(" + jsString(name) + ").click()");
    settle();
}

void BindingTest::clickCloseBox()
{
    clickAt(centreOf("document.querySelector('.lumetra-window .close-box')"));
    settle();
}

void BindingTest::activateAnotherWindowAndComeBack()
{
    ask("\"op\":\"away\"");
    settle();
}

void BindingTest::whenMessageBoxShown(std::function<void(const MessageBoxSeen&)> look) { lookAtBox = std::move(look); }

bool BindingTest::waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        settle();
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string BindingTest::clipboard() const { return eval("navigator.clipboard.readText()", true); }

void BindingTest::setClipboard(std::string_view text) { eval("navigator.clipboard.writeText(" + jsString(text) + ")", true); }

std::string BindingTest::text(std::string_view name) const { return seen("caption(seen.control(" + jsString(name) + "))"); }

std::string BindingTest::focusedName() const { return seen("focused()"); }

Shown BindingTest::shown(std::string_view name) const
{
    std::istringstream in(seen("shown(" + jsString(name) + ")"));
    Shown shown;
    int visible = 0, enabled = 0, value = 0, held = 0, isDefault = 0, aligned = 0;
    std::string look;
    in >> shown.place[0] >> shown.place[1] >> shown.place[2] >> shown.place[3] >> shown.captionWidth >> visible >>
        enabled >> value >> held >> isDefault >> look >> shown.typingLimit >> aligned;
    shown.visible = visible != 0;
    shown.enabled = enabled != 0;
    shown.value = static_cast<BoxValue>(value);
    shown.heldDown = held != 0;
    shown.isDefault = isDefault != 0;
    if (look == "read-only")
        shown.look = Look::ReadOnly;
    else if (look == "editable")
        shown.look = Look::Editable;
    shown.alignedLeft = aligned != 0;
    return shown;
}

WindowFrame BindingTest::frame() const
{
    const std::vector<std::string> parts = lines(seen("frame()"));
    return {parts.at(0), std::stoi(parts.at(1)), std::stoi(parts.at(2)), parts.at(3) == "1", parts.at(4) == "1",
            parts.at(5) == "1", parts.at(6) == "1"};
}

bool BindingTest::windowShown() const { return seen("windowShown()") == "1"; }

}  // namespace lumetra::ui::test
