#pragma once

#include "app/CZelvoDoc.h"
#include "platform/CHeadlessViewWindow.h"
#include "platform/CMemoryProfile.h"
#include "view/CZelvoView.h"

#include "CMferWriter.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

// One recording opened in a view inside a headless window of the benchmark's client size, as the
// paint benchmarks measure it.
class CBenchView {
public:
    CBenchView(const CMferWriter& writer, const std::string& strName, CSize sizeClient);

    bool IsOpen() const { return m_bOpen; }
    CZelvoView& View() { return *m_pView; }
    // Paints the client once per iteration, scrolled horizontally to nPerMille of the scrollable width.
    void PaintEachIteration(benchmark::State& state, int64_t nPerMille);

private:
    CZelvoDoc m_doc;
    CHeadlessViewWindow m_window;
    CMemoryProfile m_profile;
    std::unique_ptr<CZelvoView> m_pView;
    bool m_bOpen = false;
};
