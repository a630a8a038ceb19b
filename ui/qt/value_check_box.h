#pragma once

#include <QCheckBox>
#include <functional>

#include "fields.h"

namespace lumetra::ui {

// A check box seen as a value: 0 clear, 1 ticked, 2 greyed. Only the program changes the
// value, through showValue, which reports nothing. Any other change of state (a click, the
// space bar, a screen reader's toggle) is undone at once and reported as the user's click,
// so that the handlers alone decide what the box shows next.
class ValueCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

    BoxValue value() const { return shown_; }
    void showValue(BoxValue value);

    void onUserClick(std::function<void()> handler) { userClick_ = std::move(handler); }

protected:
    // A click or the space bar asks for the next state here.
    void nextCheckState() override;
    // Any other change of state that the program did not make arrives here.
    void checkStateSet() override;

private:
    BoxValue shown_ = Clear;
    bool showing_ = false;
    std::function<void()> userClick_;
};

}  // namespace lumetra::ui
