#pragma once

// The window as the page's HTML, written from the stored description by one loop. The site's
// page carries it from the start (make_page writes it in when the site is built), so that the
// window is there and takes typing before the program has loaded; where a page lacks it, the
// binding puts it in. Toolkit-free: it needs nothing of the browser.

#include <string>

namespace lumetra::ui {

std::string windowMarkup();
// What the site's page carries: the window, and what a browser with scripts turned off shows.
std::string pageMarkup();

}  // namespace lumetra::ui
