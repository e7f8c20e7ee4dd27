#pragma once

#include "platform/CDC.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"
#include "platform/LogFont.h"

#include <QFont>
#include <QFontMetrics>

#include <optional>
#include <string>
#include <unordered_map>

class QPaintDevice;
class QPainter;

// Text on the Qt surfaces: a font description becomes a QFont sized in the device's pixels,
// with the program's faces mapped to the installed metric-compatible ones, and text is placed by
// the top-left corner of its character cell.
class CTextDrawer {
public:
    explicit CTextDrawer(QPaintDevice& device) : m_device(device) {}

    CSize Measure(const LOGFONT& lf, const std::string& strText);
    // Writes the text in the context's font, text colour and background mode and colour.
    void Draw(QPainter& painter, const CDC& dc, CPoint ptTopLeft, const std::string& strText);

private:
    const QFont& Resolve(const LOGFONT& lf);
    QFont MakeFont(const LOGFONT& lf) const;
    int EmPixels(const QFont& font, int nHeight) const;
    // Widths of texts already laid out in the resolved font: displays write the same few labels
    // again and again.
    int Width(const std::string& strText);

    QPaintDevice& m_device;
    LOGFONT m_lfResolved;
    QFont m_font;
    std::optional<QFontMetrics> m_metrics;
    std::unordered_map<std::string, int> m_widths;
    bool m_bResolved = false;
};
