#pragma once

#include "platform/CRasterDC.h"

#include <QImage>

#include <string>

// The pixels a text leaves in a box, drawn alone on a blank image: comparing them with a painted
// image pins both the text and where it stands.
inline QImage RenderText(const std::string& strText, const LOGFONT& lf, COLORREF crText, COLORREF crBk,
                         CSize sizeBox) {
    QImage image = CRasterDC::CreateImage(sizeBox, crBk);
    CRasterDC dc(image);
    dc.SelectFont(CFont(lf));
    dc.SetTextColor(crText);
    dc.SetBkColor(crBk);
    dc.TextOut(0, 0, strText);
    return image;
}

// True when the image shows exactly the probe's pixels with the probe's top-left corner at (x, y).
inline bool ShowsAt(const QImage& image, const QImage& probe, int x, int y) {
    for (int py = 0; py < probe.height(); ++py)
        for (int px = 0; px < probe.width(); ++px)
            if ((image.pixel(x + px, y + py) & 0xFFFFFF) != (probe.pixel(px, py) & 0xFFFFFF))
                return false;
    return true;
}
