// The page side of the web binding tests: the binding's window, opened and reopened at the
// driver's word, with recorders where the handlers and the messages' sink would be. What
// they record waits in the page (Module.events, Module.messages) until the driver takes it
// and hands it to its own recorders. The driver reaches the window's interface through the
// exported functions below (harness.js).

#include <emscripten.h>

#include <memory>
#include <string>

#include "recorders.h"
#include "web_window.h"

namespace {

using namespace lumetra;
using namespace lumetra::ui;

EM_JS(void, queue, (const char* list, const char* text), { Module[UTF8ToString(list)].push(UTF8ToString(text)); });

// The one window under test, and what stands in for its handlers and its messages' sink.
struct Harness {
    test::RecordedEvents events;
    test::RecordedMessages sink;
    std::unique_ptr<WebWindow> window;
    std::string lastText;

    Harness()
    {
        events.reaction = [](const std::string& event) { queue("events", event.c_str()); };
        sink.whenShown = [this] { queue("messages", sink.texts.back().c_str()); };
    }
};

Harness& harness()
{
    static Harness h;
    return h;
}

Window& window() { return *harness().window; }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void harness_open(bool withSink)
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
    harness().lastText = window().text(static_cast<TextField>(field));
    return harness().lastText.c_str();
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

EMSCRIPTEN_KEEPALIVE bool harness_box_enabled(int box) { return window().boxEnabled(static_cast<CheckBox>(box)); }

EMSCRIPTEN_KEEPALIVE void harness_set_box_enabled(int box, bool enabled)
{
    window().setBoxEnabled(static_cast<CheckBox>(box), enabled);
}

EMSCRIPTEN_KEEPALIVE void harness_set_look(int field, bool readOnly)
{
    window().setLook(static_cast<TextField>(field), readOnly ? Look::ReadOnly : Look::Editable);
}

// Returns as soon as the message is up; the window's call goes on once it is dismissed.
EMSCRIPTEN_KEEPALIVE void harness_show_message(const char* text) { window().showMessage(text); }

EMSCRIPTEN_KEEPALIVE void harness_unload() { window().unload(); }

}  // extern "C"

int main() { EM_ASM(Module.harnessReady = true;); }
