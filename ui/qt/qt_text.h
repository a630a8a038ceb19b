#pragma once

// Texts travel as UTF-8 through the handlers and as QString through Qt.

#include <QString>
#include <string_view>

namespace lumetra::ui {

inline QString qtText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace lumetra::ui
