// The page side of the web binding tests: the binding's window, opened and reopened at the
// driver's word, with a recorder where the handlers would be. What the binding reports, and
// the messages that go to a sink, wait in the page until the driver takes them. The driver
// reaches the window's interface through the exported functions below.

#include <emscripten.h>

#include <memory>
#include <string>

#include "web_window.h"

namespace {

using namespace lumetra;
using namespace lumetra::ui;

EM_JS(void, queueForDriver, (const char* queue, const char* text), {
    (Module[UTF8ToString(queue)] = Module[UTF8ToString(queue)] || []).push(UTF8ToString(text));
});

class PageEvents : public UserEvents {
public:
    void boxClicked(CheckBox box) override { queued("click " + std::string(nameOf(box))); }
    void buttonClicked(Button button) override { queued("button " + std::string(nameOf(button))); }
    void fieldLeft(TextField field) override { queued("left " + std::string(nameOf(field))); }
    void closeBoxClicked() override { queued("close box"); }

private:
    static void queued(const std::string& event) { queueForDriver("bindingEvents", event.c_str()); }
};

class PageMessages : public Messages {
public:
    void showMessage(const std::string& text) override { queueForDriver("sinkMessages", text.c_str()); }
};

// The one window under test, and what stands in for its handlers.
struct Harness {
    PageEvents events;
    PageMessages sink;
    std::unique_ptr<WebWindow> window;
};

Harness& harness()
{
    static Harness h;
    return h;
}

Window& window() { return *harness().window; }

std::string lastText;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void harness_open(int withSink)
{
    Harness& h = harness();
    h.window.reset();
    h.window = std::make_unique<WebWindow>(withSink ? &h.sink : nullptr);
    h.window->setUserEvents(&h.events);
    h.window->show();
}

EMSCRIPTEN_KEEPALIVE void harness_close() { harness().window.reset(); }

EMSCRIPTEN_KEEPALIVE const char* harness_text(int field)
{
    lastText = window().text(static_cast<TextField>(field));
    return lastText.c_str();
}

EMSCRIPTEN_KEEPALIVE void harness_set_text(int field, const char* text)
{
    window().setText(static_cast<TextField>(field), text);
}

EMSCRIPTEN_KEEPALIVE int harness_value(int box) { return numberOf(window().value(static_cast<CheckBox>(box))); }

EMSCRIPTEN_KEEPALIVE void harness_show_value(int box, int value)
{
    window().showValue(static_cast<CheckBox>(box), static_cast<BoxValue>(value));
}

EMSCRIPTEN_KEEPALIVE int harness_box_enabled(int box) { return window().boxEnabled(static_cast<CheckBox>(box)) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void harness_set_box_enabled(int box, int enabled)
{
    window().setBoxEnabled(static_cast<CheckBox>(box), enabled != 0);
}

EMSCRIPTEN_KEEPALIVE void harness_set_look(int field, int readOnly)
{
    window().setLook(static_cast<TextField>(field), readOnly ? Look::ReadOnly : Look::Editable);
}

// Returns as soon as the message is up; the window's call goes on once it is dismissed.
EMSCRIPTEN_KEEPALIVE void harness_show_message(const char* text) { window().showMessage(text); }

EMSCRIPTEN_KEEPALIVE void harness_unload() { window().unload(); }

}  // extern "C"

int main() { EM_ASM(Module.harnessReady = true;); }
