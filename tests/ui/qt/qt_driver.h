#pragma once

// What the Qt binding's own tests reach beyond the shared driver: the window and its
// widgets themselves.

#include <QString>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "driver.h"
#include "field_edit.h"
#include "qt_window.h"

// Failure messages show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace lumetra::ui::test {

inline QtWindow& qt(Window& window) { return static_cast<QtWindow&>(window); }

template <typename Widget = QWidget>
Widget* widget(Window& window, std::string_view name)
{
    auto* found = dynamic_cast<Widget*>(
        qt(window).findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
    if (!found)
        throw std::runtime_error("the window has no control of that kind named " + std::string(name));
    return found;
}

}  // namespace lumetra::ui::test
