#pragma once

class QApplication;

namespace lumetra::ui {

// The application-wide look: the Fusion style, the default dialog font, the icon and the
// desktop identity. The program and the window tests share it, so tests see what users see.
void setUpApplication(QApplication& app);

}  // namespace lumetra::ui
