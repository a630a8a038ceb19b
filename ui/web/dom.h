#pragma once

// The page's side of the binding (dom.js): each function acts on the controls of one
// window, named by the window's address, and on a control by its row of the stored
// description. Texts cross as UTF-8.

#include <cstdint>

extern "C" {

// The window from its markup: the one the page already shows, or else this one put in.
void lumetra_dom_open(std::uintptr_t window, const char* markup);
// The program has started: what the user did meanwhile is reported once main has returned, and
// the focus goes to the first control unless the user has put it in the window already.
void lumetra_dom_show(std::uintptr_t window);
void lumetra_dom_set_enabled(std::uintptr_t window, int row, bool enabled);
// The caller frees the text.
char* lumetra_dom_text(std::uintptr_t window, int row);
void lumetra_dom_set_text(std::uintptr_t window, int row, const char* text);
void lumetra_dom_show_value(std::uintptr_t window, int row, bool checked, bool greyed);
void lumetra_dom_set_read_only(std::uintptr_t window, int row, bool readOnly);
// Returns once the user has dismissed the message; the program sleeps meanwhile.
void lumetra_dom_show_message(std::uintptr_t window, const char* caption, const char* text, const char* button);
// Takes the window off the page. Once the program has ended (ended is not null), the page says
// so, with a button that starts it again.
void lumetra_dom_close(std::uintptr_t window, const char* ended, const char* startAgain);
}
