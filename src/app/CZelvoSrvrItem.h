#pragma once

#include "platform/CSize.h"

class COleItemList;
class QPainter;

// The Zelvo document as an object inside another document: the picture a container shows for it.
// No container on this platform embeds our documents, so the layer offers the picture and its
// extent for whoever asks, and nothing of linking or in-place editing on the server side.
class CZelvoSrvrItem {
public:
    enum : int { DVASPECT_CONTENT = 1, DVASPECT_THUMBNAIL = 2, DVASPECT_ICON = 4, DVASPECT_DOCPRINT = 8 };
    // The content's size in hundredths of a millimetre.
    static constexpr CSize m_sizeContent{3000, 3000};

    explicit CZelvoSrvrItem(COleItemList& items) : m_items(items) {}

    // Only the content aspect has an extent.
    bool OnGetExtent(int nDrawAspect, CSize& rSize) const;
    // Draws the document's first embedded object, if any; the waveform is not part of the picture.
    bool OnDraw(QPainter& painter, CSize& rSize) const;

private:
    COleItemList& m_items;
};
