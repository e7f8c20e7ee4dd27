#include "view/CPrintLoop.h"

#include "platform/CDC.h"
#include "platform/IPrintPages.h"
#include "view/CZelvoView.h"

#include <algorithm>

int CPrintLoop::Run(CZelvoView& view, IPrintPages& pages, CPrintInfo& info) {
    if (!view.OnPreparePrinting(&info))
        return -1;
    view.OnBeginPrinting(nullptr, &info);
    int nPrinted = 0;
    for (info.m_nCurPage = info.m_nFromPage; info.m_nCurPage <= std::min(info.m_nToPage, info.GetMaxPage());
         ++info.m_nCurPage) {
        view.OnPrepareDC(nullptr, &info);
        if (!info.m_bContinuePrinting)
            break;
        CDC* pDC = pages.BeginPage(info.m_nCurPage);
        if (pDC == nullptr)
            break;
        info.m_rectDraw = pages.GetDrawRect();
        view.OnPrint(pDC, &info);
        pages.EndPage(info.m_nCurPage);
        ++nPrinted;
    }
    view.OnEndPrinting(nullptr, &info);
    return nPrinted;
}
