#include "view/CExtentProbeDC.h"

CSize CExtentProbeDC::MeasureText(const std::string& strText) const {
    const CFont previous = m_target.SelectFont(GetCurrentFont());
    const CSize size = m_target.GetTextExtent(strText);
    m_target.SelectFont(previous);
    return size;
}
