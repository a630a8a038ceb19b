#pragma once

// The window as the page's HTML, written from the stored description by one loop. The site's
// page carries it from the start (make_page writes it in when the site is built), so that the
// window is there and takes typing before the program has loaded; where a page lacks it, the
// binding puts it in. Toolkit-free: it needs nothing of the browser.
//
// The markup tells the page's script (window.js) all it knows of the window: each control's
// row and the event a press, click or leaving reports (data-row, data-event), the tab order
// (data-tab-order, rows), the first control to take the focus (autofocus) and the access keys
// (aria-keyshortcuts).

#include <string>

namespace lumetra::ui {

// What the page reports of the user, with the row of the control.
enum class PageEvent { BoxClicked, ButtonClicked, FieldLeft, CloseBox };

std::string windowMarkup();
// What the site's page carries: the window, and what a browser with scripts turned off shows.
std::string pageMarkup();

}  // namespace lumetra::ui
