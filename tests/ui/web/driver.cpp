// The shared binding tests' driver for the browser: the binding runs in a page (harness.cpp
// in harness.html) that the browser client (tests/web/webdriver.py) holds open in Chromium,
// Firefox or WebKit, and the client runs this program under node. Each step is one request
// to the client: real key or pointer input, or a function of the page (harness.js) to call.
// What the binding reports waits in the page and is handed to the recorders after each
// action, so that a test's reaction runs once the action's events are in.

#include <emscripten.h>
#include <emscripten/val.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <utility>

#include "binding_rows.h"
#include "driver.h"

namespace lumetra::ui::test {

namespace {

using emscripten::val;

// One JSON line each way on the two descriptors the client gave this program.
EM_JS(emscripten::EM_VAL, askClient, (emscripten::EM_VAL request), {
    const fs = require('fs');
    const [to, from] = process.env.LUMETRA_CLIENT.split(' ').map(Number);
    fs.writeSync(to, JSON.stringify(Emval.toValue(request)) + '\n');
    let read = Module.unread || Buffer.alloc(0);
    const buffer = Buffer.alloc(65536);
    for (let end; (end = read.indexOf(10)) < 0;) {
        const n = fs.readSync(from, buffer);
        if (n === 0) throw new Error('the browser client has ended');
        read = Buffer.concat([read, buffer.subarray(0, n)]);
    }
    const end = read.indexOf(10);
    Module.unread = read.subarray(end + 1);
    return Emval.toHandle(JSON.parse(read.subarray(0, end).toString('utf8')));
});

// What the client's method of that name returns for the arguments.
template <typename... Args>
val ask(const char* method, const Args&... args)
{
    val request = val::array();
    request.call<void>("push", std::string(method));
    (request.call<void>("push", args), ...);
    const val answer = val::take_ownership(askClient(request.as_handle()));
    if (answer.hasOwnProperty("error"))
        throw std::runtime_error(answer["error"].as<std::string>());
    return answer["value"];
}

template <typename... Args>
val page(const char* function, const Args&... args)
{
    return ask("call", std::string(function), args...);
}

template <typename... Args>
val run(const char* function, const Args&... args)
{
    return page("callHarness", std::string(function), args...);
}

std::string id(std::string_view name) { return "#" + std::string(name); }

// The window's interface, carried out by the binding in the page.
class PageWindow : public Window {
public:
    std::string text(TextField field) const override { return run("text", static_cast<int>(field)).as<std::string>(); }
    void setText(TextField field, const std::string& text) override { run("set_text", static_cast<int>(field), text); }
    BoxValue value(CheckBox box) const override
    {
        return static_cast<BoxValue>(run("value", static_cast<int>(box)).as<int>());
    }
    void showValue(CheckBox box, BoxValue value) override { run("show_value", static_cast<int>(box), numberOf(value)); }
    bool boxEnabled(CheckBox box) const override { return run("box_enabled", static_cast<int>(box)).as<int>() != 0; }
    void setBoxEnabled(CheckBox box, bool enabled) override { run("set_box_enabled", static_cast<int>(box), enabled); }
    void setLook(TextField field, Look look) override { run("set_look", static_cast<int>(field), look == Look::ReadOnly); }
    // Modal, as the desktop's: returns once the message has been dismissed.
    void showMessage(const std::string& text) override;
    void unload() override { run("unload"); }
};

// The look a test waits to run on the next message, and where the window's events and the
// sink's messages go.
std::function<void(const MessageBoxSeen&)> lookAtBox;
RecordedEvents* recorder = nullptr;
Messages* sink = nullptr;

std::vector<std::string> strings(const val& list) { return emscripten::vecFromJSArray<std::string>(list); }

// Hands what the page holds to the recorders and answers a message the test waits for,
// until nothing more comes. Returns whether a message is up.
bool settle()
{
    for (;;) {
        const val taken = page("seen.take");
        const std::vector<std::string> events = strings(taken["events"]), messages = strings(taken["messages"]);
        for (const std::string& event : events)
            recorder->record(event);
        for (const std::string& text : messages)
            if (sink)
                sink->showMessage(text);
        const val up = taken["message"];
        if (lookAtBox && !up.isNull()) {
            std::exchange(lookAtBox, nullptr)({up["caption"].as<std::string>(), up["text"].as<std::string>(),
                                               strings(up["buttons"]), up["icon"].as<bool>()});
            ask("click", std::string("dialog[open] button"));
        } else if (events.empty() && messages.empty()) {
            return !up.isNull();
        }
    }
}

void PageWindow::showMessage(const std::string& text)
{
    run("show_message", text);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (settle())
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the message was still up after 5 s");
}

}  // namespace

// The page's own binding moves the focus to the button of an access key, as Windows does.
const bool BindingTest::accessKeysTakeTheFocus = true;
const std::vector<std::string> BindingTest::placesBeyondTheControls = {"lumetra-caption", "outside"};

void BindingTest::open(Messages* messages)
{
    recorder = &events;
    sink = messages;
    run("open", messages != nullptr);
    page("seen.take");
    window = std::make_unique<PageWindow>();
}

void BindingTest::TearDown()
{
    if (std::exchange(lookAtBox, nullptr))
        ADD_FAILURE() << "the message box the test waited for was never shown";
    for (int tries = 0; settle() && tries < 3; ++tries)
        ask("click", std::string("dialog[open] button"));
    run("close");
    window.reset();
    recorder = nullptr;
    sink = nullptr;
}

void BindingTest::pressMouse(std::string_view name)
{
    ask("press", id(name));
    settle();
}

void BindingTest::releaseMouse()
{
    ask("release");
    settle();
}

void BindingTest::press(Key key, Held held)
{
    // WebDriver's keys: Tab, Space, Return, the keypad's Enter, Escape, End, Backspace, and
    // Shift, Control and Alt held.
    static constexpr const char* keys[] = {"\ue004", " ", "\ue006", "\ue007", "\ue00c", "\ue010", "\ue003", "a", "c", "v", "x"};
    static constexpr const char* modifiers[] = {"", "\ue008", "\ue009", "\ue00a"};
    ask("key", std::string(keys[static_cast<int>(key)]), std::string(modifiers[static_cast<int>(held)]));
    settle();
}

void BindingTest::type(std::string_view typed)
{
    ask("type", std::string(typed));
    settle();
}

void BindingTest::focus(std::string_view name)
{
    page("seen.focus", std::string(name));
    settle();
}

void BindingTest::doDefaultAction(std::string_view name)
{
    page("seen.act", std::string(name));
    settle();
}

void BindingTest::clickCloseBox()
{
    ask("click", std::string(".lumetra-window .close-box"));
    settle();
}

void BindingTest::activateAnotherWindowAndComeBack()
{
    ask("away");
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

std::string BindingTest::clipboard() const { return ask("clipboard").as<std::string>(); }

void BindingTest::setClipboard(std::string_view text) { ask("set_clipboard", std::string(text)); }

std::string BindingTest::text(std::string_view name) const { return page("seen.caption", std::string(name)).as<std::string>(); }

std::string BindingTest::focusedName() const { return page("seen.focused").as<std::string>(); }

Shown BindingTest::shown(std::string_view name) const
{
    const val s = page("seen.shown", std::string(name));
    const std::string look = s["look"].as<std::string>();
    return {.place = {s["place"][0].as<int>(), s["place"][1].as<int>(), s["place"][2].as<int>(), s["place"][3].as<int>()},
            .captionWidth = s["captionWidth"].as<int>(),
            .visible = s["visible"].as<bool>(),
            .enabled = s["enabled"].as<bool>(),
            .value = static_cast<BoxValue>(s["value"].as<int>()),
            .heldDown = s["heldDown"].as<bool>(),
            .isDefault = s["isDefault"].as<bool>(),
            .look = look == "read-only"  ? std::optional(Look::ReadOnly)
                    : look == "editable" ? std::optional(Look::Editable)
                                         : std::nullopt,
            .typingLimit = s["typingLimit"].as<int>(),
            .alignedLeft = s["alignedLeft"].as<bool>()};
}

WindowFrame BindingTest::frame() const
{
    const val f = page("seen.frame");
    return {f["caption"].as<std::string>(), f["clientWidth"].as<int>(), f["clientHeight"].as<int>(),
            f["resizable"].as<bool>(),      f["closeBox"].as<bool>(),     f["minimiseBox"].as<bool>(),
            f["maximiseBox"].as<bool>()};
}

bool BindingTest::windowShown() const { return page("seen.windowShown").as<bool>(); }

}  // namespace lumetra::ui::test
