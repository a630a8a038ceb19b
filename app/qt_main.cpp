#include <QApplication>

#include "application.h"
#include "frm_lumetra.h"
#include "qt_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lumetra::ui::setUpApplication(app);
    lumetra::ui::QtWindow window;
    lumetra::ui::FrmLumetra form(window);
    window.setUserEvents(&form);
    window.show();
    return QApplication::exec();
}
