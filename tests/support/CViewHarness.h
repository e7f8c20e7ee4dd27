#pragma once

#include "app/CZelvoDoc.h"
#include "platform/CHeadlessViewWindow.h"
#include "platform/CMemoryProfile.h"
#include "view/CZelvoView.h"

#include "CMferWriter.h"

#include <QImage>

#include <memory>
#include <string>

// A recording opened in the real view inside a headless window: the whole road from file to
// pixels, for tests of the view and the displays.
class CViewHarness {
public:
    explicit CViewHarness(CSize sizeClient = CSize(1280, 1024));
    ~CViewHarness();

    // Writes the image to a temporary file, opens it and runs the view's first update.
    bool Open(const CMferWriter& writer);
    bool Open(const std::string& strPath);
    // Paints now, as the window would on its next paint message.
    const QImage& Paint();

    CZelvoDoc& Doc() { return m_doc; }
    CZelvoView& View() { return *m_pView; }
    CHeadlessViewWindow& Window() { return m_window; }
    CMemoryProfile& Profile() { return m_profile; }
    ViewSettings& Settings() { return *m_pView->GetSettings(); }
    const QImage& Image() const { return m_window.GetImage(); }
    COLORREF Pixel(int x, int y) const;

private:
    std::string m_strTempFile;
    CZelvoDoc m_doc;
    CHeadlessViewWindow m_window;
    CMemoryProfile m_profile;
    std::unique_ptr<CZelvoView> m_pView;
};
