#include "fake_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

FakePointer::FakePointer() : display_(XOpenDisplay(nullptr))
{
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    ready_ = display_ && XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor);
}

FakePointer::~FakePointer()
{
    if (display_)
        XCloseDisplay(display_);
}

void FakePointer::moveTo(int x, int y)
{
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XFlush(display_);
}

void FakePointer::pressLeft()
{
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XFlush(display_);
}

void FakePointer::releaseLeft()
{
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
}
