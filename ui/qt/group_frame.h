#pragma once

#include <QGroupBox>

namespace lumetra::ui {

// A group box drawn the classic way: the caption sits in the top border line, which
// runs through the middle of the caption's text, instead of above it.
class GroupFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // Distance from the frame's top to its border line.
    int borderTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lumetra::ui
