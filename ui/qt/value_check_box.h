#pragma once

#include <QCheckBox>

namespace lumetra::ui {

// A check box seen as a value: 0 clear, 1 ticked, 2 greyed. Assigning a different value
// emits stateChanged at once, so the box's handler runs nested inside the assignment;
// assigning the value it already holds emits nothing. A user's click toggles between
// clear and ticked only, even after the box has been greyed.
class ValueCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

    int value() const;
    void setValue(int value);

protected:
    void nextCheckState() override;
};

}  // namespace lumetra::ui
