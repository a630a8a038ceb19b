#include "group_frame.h"

#include <QPainter>

namespace lumetra::ui {

namespace {

// The caption starts this far from the frame's left edge, with a little room either side.
constexpr int captionIndent = 7;
constexpr int captionPadding = 2;

}  // namespace

int GroupFrame::borderTop() const { return fontMetrics().height() / 2; }

void GroupFrame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect border = rect().adjusted(0, borderTop(), -1, -1);
    // An etched line: a dark one with a light one just inside it.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    if (title().isEmpty())
        return;
    const int textWidth = fontMetrics().horizontalAdvance(title());
    const QRect band(captionIndent, 0, textWidth + 2 * captionPadding, fontMetrics().height());
    painter.fillRect(band, palette().brush(backgroundRole()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(band.adjusted(captionPadding, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

}  // namespace lumetra::ui
