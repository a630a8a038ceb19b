#pragma once

// A pointer driven through the X server with XTest, as if a person moved and clicked the
// mouse. Kept apart from Qt's headers, with which Xlib's macros collide.

struct _XDisplay;

class FakePointer {
public:
    FakePointer();
    ~FakePointer();
    FakePointer(const FakePointer&) = delete;
    FakePointer& operator=(const FakePointer&) = delete;

    // False when there is no display or it lacks the XTEST extension.
    bool ready() const { return ready_; }

    void moveTo(int x, int y);
    void pressLeft();
    void releaseLeft();

private:
    _XDisplay* display_ = nullptr;
    bool ready_ = false;
};
