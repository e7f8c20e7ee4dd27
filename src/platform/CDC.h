#pragma once

#include "platform/CFont.h"
#include "platform/CPen.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"
#include "platform/ColorRef.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>

enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { R2_NOT = 6, R2_COPYPEN = 13 };
enum : int { LOGPIXELSX = 88 };

// A drawing surface in text mapping mode: one logical unit is one device pixel, and the window
// origin is the logical point shown at the device's top-left corner. The context holds the drawing
// state (pen, font, colours, modes, origin, current position); a surface supplies the few device
// primitives at the end, in device pixels.
class CDC {
public:
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Selecting returns the previous pen or font, to be selected again when the drawing step ends.
    // A pen or font without a handle is refused: nothing changes and the result has no handle.
    CPen SelectPen(const CPen& pen) { return Exchange(m_pen, pen); }
    CFont SelectFont(const CFont& font) { return Exchange(m_font, font); }
    const CPen& GetCurrentPen() const { return m_pen; }
    const CFont& GetCurrentFont() const { return m_font; }

    CPoint MoveTo(int x, int y) { return MoveTo(CPoint(x, y)); }
    CPoint MoveTo(CPoint pt) { return std::exchange(m_ptCurrent, pt); }
    CPoint GetCurrentPosition() const { return m_ptCurrent; }

    // Draws from the current position up to, but not including, the given point, which becomes the
    // current position: the joints of consecutive line-tos are painted once.
    void LineTo(int x, int y) { LineTo(CPoint(x, y)); }
    void LineTo(CPoint pt) {
        DrawDeviceLine(ToDevice(m_ptCurrent), ToDevice(pt));
        m_ptCurrent = pt;
    }
    void PolylineTo(std::span<const CPoint> aPoints) {
        for (const CPoint& pt : aPoints) {
            LineTo(pt);
        }
    }
    // A straight run of pixels, one per colour: pixel i lies at ptFirst + i * step, where step is one
    // pixel along a row or a column (any other step draws nothing). It is drawn as the one-pixel
    // lines of one colour it is made of; the selected pen and the current position stay. Shaded
    // traces are thousands of such runs.
    void DrawShadedRun(CPoint ptFirst, CSize step, std::span<const COLORREF> acrPixels) {
        if (std::abs(step.cx) + std::abs(step.cy) == 1 && !acrPixels.empty()) {
            DrawDeviceShadedRun(ToDevice(ptFirst), step, acrPixels);
        }
    }

    // The right and bottom edges lie outside; an empty or inverted rectangle paints nothing.
    void FillRect(const CRect& rect, COLORREF cr) {
        const CRect rcDevice = ToDevice(rect);
        if (!rcDevice.IsRectEmpty()) {
            FillDeviceRect(rcDevice, cr);
        }
    }
    // The one-pixel border just inside the rectangle, as four disjoint strips so that an inverting
    // context touches every border pixel once.
    void FrameRect(const CRect& rect, COLORREF cr) {
        const CRect rc = ToDevice(rect);
        if (rc.IsRectEmpty()) {
            return;
        }
        FillDeviceRect({rc.left, rc.top, rc.right, rc.top + 1}, cr);
        if (rc.top + 1 < rc.bottom) {
            FillDeviceRect({rc.left, rc.bottom - 1, rc.right, rc.bottom}, cr);
        }
        if (rc.top + 1 < rc.bottom - 1) {
            FillDeviceRect({rc.left, rc.top + 1, rc.left + 1, rc.bottom - 1}, cr);
            if (rc.left + 1 < rc.right) {
                FillDeviceRect({rc.right - 1, rc.top + 1, rc.right, rc.bottom - 1}, cr);
            }
        }
    }

    // Writes UTF-8 text with the top-left corner of its character cell at (x, y), in the text
    // colour, over a background-coloured box when the background mode is OPAQUE. The raster
    // operation does not apply to text.
    void TextOut(int x, int y, const std::string& strText) {
        if (!strText.empty()) {
            DrawDeviceText(ToDevice(CPoint(x, y)), strText);
        }
    }
    // Width of the text and height of its character cell in the current font.
    CSize GetTextExtent(const std::string& strText) const { return MeasureText(strText); }

    COLORREF SetTextColor(COLORREF cr) { return std::exchange(m_crText, cr); }
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF SetBkColor(COLORREF cr) { return std::exchange(m_crBk, cr); }
    COLORREF GetBkColor() const { return m_crBk; }

    // An unknown mode is refused: the result is 0 and the mode stays.
    int SetBkMode(int nMode) {
        return nMode == OPAQUE || nMode == TRANSPARENT ? std::exchange(m_nBkMode, nMode) : 0;
    }
    int GetBkMode() const { return m_nBkMode; }
    // R2_NOT inverts the pixels that lines and rectangles touch, so drawing a figure twice erases it.
    int SetROP2(int nMode) {
        return nMode == R2_NOT || nMode == R2_COPYPEN ? std::exchange(m_nRop2, nMode) : 0;
    }
    int GetROP2() const { return m_nRop2; }

    CPoint SetWindowOrg(int x, int y) { return SetWindowOrg(CPoint(x, y)); }
    CPoint SetWindowOrg(CPoint pt) { return std::exchange(m_ptWindowOrg, pt); }
    CPoint GetWindowOrg() const { return m_ptWindowOrg; }

    // The logical rectangle the device shows: what lies outside it is never seen, so a display may
    // leave it undrawn.
    CRect GetClipBox() const {
        const CSize size = GetDeviceSize();
        return {m_ptWindowOrg.x, m_ptWindowOrg.y, m_ptWindowOrg.x + size.cx, m_ptWindowOrg.y + size.cy};
    }

    // LOGPIXELSX; any other index gives 0.
    int GetDeviceCaps(int nIndex) const { return nIndex == LOGPIXELSX ? GetLogPixelsX() : 0; }
    virtual bool IsPrinting() const = 0;

protected:
    CDC() = default;

    virtual void DrawDeviceLine(CPoint ptFrom, CPoint ptTo) = 0;
    virtual void FillDeviceRect(const CRect& rect, COLORREF cr) = 0;
    virtual void DrawDeviceText(CPoint ptTopLeft, const std::string& strText) = 0;
    virtual CSize MeasureText(const std::string& strText) const = 0;
    virtual int GetLogPixelsX() const = 0;
    virtual CSize GetDeviceSize() const = 0;
    // A surface that sets pixels faster on its own may override this.
    virtual void DrawDeviceShadedRun(CPoint ptFirst, CSize step, std::span<const COLORREF> acrPixels) {
        const CPen penSelected = m_pen;
        const auto PixelAt = [&](size_t i) {
            const auto n = static_cast<long long>(i);
            return CPoint(Saturate(ptFirst.x + n * step.cx), Saturate(ptFirst.y + n * step.cy));
        };
        for (size_t i = 0; i < acrPixels.size();) {
            size_t nEnd = i + 1;
            while (nEnd < acrPixels.size() && acrPixels[nEnd] == acrPixels[i]) {
                ++nEnd;
            }
            m_pen = CPen(1, acrPixels[i]);
            DrawDeviceLine(PixelAt(i), PixelAt(nEnd));
            i = nEnd;
        }
        m_pen = penSelected;
    }

private:
    template <class T> static T Exchange(T& current, const T& selected) {
        return selected.IsCreated() ? std::exchange(current, selected) : T();
    }
    // Far-off logical points saturate instead of overflowing; they stay far outside any device.
    static int Saturate(long long nValue) {
        return static_cast<int>(std::clamp<long long>(nValue, INT_MIN, INT_MAX));
    }
    CPoint ToDevice(CPoint pt) const {
        return {Saturate(static_cast<long long>(pt.x) - m_ptWindowOrg.x),
                Saturate(static_cast<long long>(pt.y) - m_ptWindowOrg.y)};
    }
    CRect ToDevice(const CRect& rect) const {
        return {ToDevice(rect.TopLeft()), ToDevice(rect.BottomRight())};
    }

    // Stands in for the system font until a display selects its own.
    static LOGFONT DefaultFont() {
        return {.lfHeight = 16, .lfWeight = FW_BOLD, .lfPitchAndFamily = FF_SWISS, .lfFaceName = "Arial"};
    }

    CPen m_pen{1, RGB(0, 0, 0)};
    CFont m_font{DefaultFont()};
    CPoint m_ptCurrent;
    CPoint m_ptWindowOrg;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBk = RGB(255, 255, 255);
    int m_nBkMode = OPAQUE;
    int m_nRop2 = R2_COPYPEN;
};
