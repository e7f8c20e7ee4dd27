#pragma once

#include "platform/CDC.h"
#include "platform/CTextDrawer.h"

#include <QPainter>

// The printer, preview and PDF surface: draws vectors through an active painter on any paint
// device, in the device's pixels, with the painter's coordinates left untransformed.
class CPrinterDC : public CDC {
public:
    explicit CPrinterDC(QPainter& painter);

    // Lines are drawn aliased unless a display asks for smooth drawing.
    void SetAntialiasing(bool bSmooth) { m_bSmooth = bSmooth; }

    bool IsPrinting() const override { return true; }

protected:
    void DrawDeviceLine(CPoint ptFrom, CPoint ptTo) override;
    void FillDeviceRect(const CRect& rect, COLORREF cr) override;
    void DrawDeviceText(CPoint ptTopLeft, const std::string& strText) override;
    CSize MeasureText(const std::string& strText) const override;
    int GetLogPixelsX() const override;
    CSize GetDeviceSize() const override;

private:
    void ApplyRasterOp();

    QPainter& m_painter;
    bool m_bSmooth = false;
    mutable CTextDrawer m_text;
};
