#pragma once

#include "platform/IViewWindow.h"

#include <QCursor>

// The pointers of the waveform window: Qt's standard shapes, and a magnifier of our own for the
// long-term strip.
class CCursorSet {
public:
    static QCursor Get(ECursor eCursor);

private:
    static QCursor Magnifier();
};
