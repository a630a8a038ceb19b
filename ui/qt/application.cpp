#include "application.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>
#include <QWidget>

#include "version.h"

// Resources of a static library must be registered by name, outside any namespace.
static void initResources() { Q_INIT_RESOURCE(lumetra); }

namespace lumetra::ui {

namespace {

// A label line of 13 pixels, and text that fits a 19-pixel field, as the layout assumes.
constexpr int fontPixels = 11;

// Qt reports a top-level plain widget as a client area; a screen reader looks for the
// program's window as a frame, and announces its title from there.
QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && className == QLatin1String("QWidget"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

// Every setting here is application-wide; the parameter only makes sure the application exists.
void setUpApplication(QApplication& /*app*/)
{
    initResources();
    QAccessible::installFactory(windowAccessible);
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
    QApplication::setWindowIcon(icon);
}

}  // namespace lumetra::ui
