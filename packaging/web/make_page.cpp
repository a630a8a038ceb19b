// Writes the page's markup to standard output, for the site's page to carry from the start.

#include <iostream>

#include "window_markup.h"

// Ended by a line feed: under node the program's output goes out a line at a time.
int main() { std::cout << lumetra::ui::pageMarkup() << std::endl; }
