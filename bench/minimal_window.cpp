// The start-up baseline: the least Qt Widgets program with a window like Lumetra's, one
// fixed-size top-level window holding one label and one line edit. It sets up the same
// style and font as the program, so the two differ only in what Lumetra itself adds.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStyleFactory>
#include <QWidget>
#include <Qt>

namespace {

// The client area of Lumetra's window in pixels, so both back buffers have the same size.
constexpr int clientWidth = 377;
constexpr int clientHeight = 343;

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    // A caption and a close box only, like Lumetra's window, so the window manager frames
    // both alike.
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(clientWidth, clientHeight);

    QLabel label(QStringLiteral("Light Distance (ft):"), &window);
    label.move(16, 16);
    label.resize(label.sizeHint());
    QLineEdit edit(QStringLiteral("1000.000000"), &window);
    edit.move(16, 40);
    edit.resize(97, 19);

    window.show();
    return QApplication::exec();
}
