#pragma once

#include <QIcon>

class QPainter;

// The toolbar's pictures, drawn as vectors on a 16 by 15 grid, so each button is as sharp at twice
// or three times the size on a high-density screen as at its own.
class CToolbarIcons {
public:
    // An empty icon for a command without a picture.
    static QIcon Get(int nId);

private:
    static bool Draw(QPainter& painter, int nId);
};
