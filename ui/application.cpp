#include "application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

#include "version.h"

// Resources of a static library must be registered by name, outside any namespace.
static void initResources() { Q_INIT_RESOURCE(lumetra); }

namespace lumetra::ui {

namespace {

// A label line of 13 pixels, and text that fits a 19-pixel field, as the layout assumes.
constexpr int fontPixels = 11;

}  // namespace

void setUpApplication(QApplication& app)
{
    initResources();
    QApplication::setApplicationName(QStringLiteral("Lumetra"));
    QApplication::setApplicationVersion(QStringLiteral(LUMETRA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(LUMETRA_APP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(fontPixels);
    QApplication::setFont(font);

    QIcon icon;
    for (int size : {16, 32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/lumetra-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
}

}  // namespace lumetra::ui
