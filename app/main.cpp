#include <QApplication>

#include "application.h"
#include "frm_lumetra.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lumetra::ui::setUpApplication(app);
    lumetra::ui::FrmLumetra window;
    window.show();
    return QApplication::exec();
}
