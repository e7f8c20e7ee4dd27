#pragma once

#include "view/CPrintInfo.h"

class CZelvoView;
class IPrintPages;

// The page loop of a print job: prepares the job, then prints page after page until the view
// says the last one is done or the page range ends.
class CPrintLoop {
public:
    // The pages printed, or -1 when the job was cancelled before the first page.
    static int Run(CZelvoView& view, IPrintPages& pages, CPrintInfo& info);
};
