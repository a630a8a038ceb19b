#include "frm_lumetra.h"
#include "web_window.h"

// The page loads the program and main opens the window at once. main then returns to the
// browser, and the window and its handlers live on with the page, answering the user's events.
int main()
{
    static lumetra::ui::WebWindow window;
    static lumetra::ui::FrmLumetra form(window);
    window.setUserEvents(&form);
    window.show();
}
