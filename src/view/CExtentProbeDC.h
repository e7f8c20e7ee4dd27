#pragma once

#include "platform/CDC.h"

// A context that paints nothing but answers like the one it stands in for (resolution, printing,
// text sizes), so a display can be drawn once just to learn how far it reaches.
class CExtentProbeDC : public CDC {
public:
    explicit CExtentProbeDC(CDC& target) : m_target(target) {}

    bool IsPrinting() const override { return m_target.IsPrinting(); }

protected:
    void DrawDeviceLine(CPoint, CPoint) override {}
    void FillDeviceRect(const CRect&, COLORREF) override {}
    void DrawDeviceText(CPoint, const std::string&) override {}
    CSize MeasureText(const std::string& strText) const override;
    int GetLogPixelsX() const override { return m_target.GetDeviceCaps(LOGPIXELSX); }
    // The whole drawing counts, not just what the page shows.
    CSize GetDeviceSize() const override { return {INT_MAX / 2, INT_MAX / 2}; }

private:
    CDC& m_target;
};
