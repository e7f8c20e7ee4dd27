#pragma once

#include "platform/CRect.h"

#include <QImage>
#include <QString>

#include <memory>

class QPainter;

// An object embedded in the Zelvo document. Our in-process layer knows one kind: a picture read
// from an image file. The item sits at a fixed place on the sheet, draws itself there, and can be
// opened in place (shown framed) and closed again.
class CZelvoCntrItem {
public:
    // Where the view draws every item, in sheet pixels.
    static constexpr CRect m_rcItemPosition{10, 10, 210, 210};

    // A null result when the file is not a readable image.
    static std::unique_ptr<CZelvoCntrItem> CreateFromFile(const QString& strPath);

    CRect OnGetItemPosition() const { return m_rcItemPosition; }
    void Draw(QPainter& painter, const CRect& rcBounds) const;

    bool IsInPlaceActive() const { return m_bInPlaceActive; }
    void Activate() { m_bInPlaceActive = true; }
    void Close() { m_bInPlaceActive = false; }

private:
    explicit CZelvoCntrItem(QImage picture) : m_picture(std::move(picture)) {}

    QImage m_picture;
    bool m_bInPlaceActive = false;
};
