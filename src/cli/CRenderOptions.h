#pragma once

#include "platform/CPoint.h"
#include "platform/CSize.h"

#include <optional>
#include <string>
#include <vector>

// The options of `zelvo-cli render`, checked and converted.
struct CRenderOptions {
    std::string strFile;
    std::string strOutput;
    CSize sizeClient{1280, 1024};
    std::optional<CPoint> ptScroll;
    std::optional<int> nLayout;
    std::optional<int> nSensitivity;
    std::optional<int> nTimeScale;
    std::optional<int> nMouseMode;
    bool bSmooth = false;
    bool bFilter = false;
    bool bUniversal = false;
    bool bEcgView = false;
    bool bFull = false;
    std::string strMouse;
    std::string strDetailOutput;
    std::string strDetailMouse;
    int nRepeat = 0;
    std::string strPrintFolder;
    int nDpi = 600;
    CSize sizePageMm{297, 210};

    bool IsPdfOutput() const;
    // False with strError set when an option is unknown or out of range.
    bool Parse(const std::vector<std::string>& args, std::string& strError);
};
