#include "message_box.h"

#include <QMessageBox>

#include "qt_text.h"
#include "window_description.h"

namespace lumetra::ui {

void MessageBoxes::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, qtText(windowRow.caption), qtText(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    // The text can be selected and copied, so that a fault's description can be passed on.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

}  // namespace lumetra::ui
