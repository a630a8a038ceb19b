#include "message_box.h"

#include <QMessageBox>

#include "window_description.h"

namespace lumetra::ui {

void MessageBoxes::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(windowRow.caption.data(), windowRow.caption.size()),
                    QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace lumetra::ui
