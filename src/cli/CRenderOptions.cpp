#include "cli/CRenderOptions.h"

#include "cli/CCommandLine.h"

#include <cstdio>

namespace {

bool ParsePair(const std::string& text, char separator, int& a, int& b) {
    char sep = 0;
    char trailing = 0;
    return std::sscanf(text.c_str(), "%d%c%d%c", &a, &sep, &b, &trailing) == 3 && sep == separator;
}

} // namespace

bool CRenderOptions::IsPdfOutput() const {
    return strOutput.size() > 4 && strOutput.compare(strOutput.size() - 4, 4, ".pdf") == 0;
}

bool CRenderOptions::Parse(const std::vector<std::string>& args, std::string& strError) {
    CCommandLine line;
    const std::set<std::string> switches = {"--smooth", "--filter", "--universal", "--ecg-view", "--full"};
    const std::set<std::string> values = {
        "-o",      "--client", "--scroll", "--layout", "--sensitivity", "--time-scale", "--mouse-mode",
        "--mouse", "--repeat", "--print",  "--dpi",    "--page",        "--detail-out", "--detail-mouse"};
    if (!line.Parse(args, switches, values, strError))
        return false;
    if (line.Positional().size() != 1 || (!line.Has("-o") && !line.Has("--print"))) {
        strError = "render takes one file and -o OUT.png (or OUT.pdf), or --print DIR";
        return false;
    }
    strFile = line.Positional()[0];
    strOutput = line.Value("-o").value_or("");
    bSmooth = line.Has("--smooth");
    bFilter = line.Has("--filter");
    bUniversal = line.Has("--universal");
    bEcgView = line.Has("--ecg-view");
    bFull = line.Has("--full");
    strMouse = line.Value("--mouse").value_or("");
    strDetailOutput = line.Value("--detail-out").value_or("");
    strDetailMouse = line.Value("--detail-mouse").value_or("");
    strPrintFolder = line.Value("--print").value_or("");

    if (const auto client = line.Value("--client")) {
        if (!ParsePair(*client, 'x', sizeClient.cx, sizeClient.cy) || sizeClient.cx < 1 ||
            sizeClient.cy < 1 || sizeClient.cx > 20000 || sizeClient.cy > 20000) {
            strError = "--client needs WxH between 1x1 and 20000x20000, not \"" + *client + "\"";
            return false;
        }
    }
    if (const auto scroll = line.Value("--scroll")) {
        CPoint pt;
        if (!ParsePair(*scroll, ',', pt.x, pt.y) || pt.x < 0 || pt.y < 0) {
            strError = "--scroll needs X,Y, not \"" + *scroll + "\"";
            return false;
        }
        ptScroll = pt;
    }
    if (const auto page = line.Value("--page")) {
        if (!ParsePair(*page, 'x', sizePageMm.cx, sizePageMm.cy) || sizePageMm.cx < 10 ||
            sizePageMm.cy < 10 || sizePageMm.cx > 2000 || sizePageMm.cy > 2000) {
            strError = "--page needs WxH in millimetres between 10 and 2000, not \"" + *page + "\"";
            return false;
        }
    }
    struct Ranged {
        const char* pszName;
        long long nMin;
        long long nMax;
        std::optional<int>* pTarget;
    };
    std::optional<int> repeat, dpi;
    const Ranged ranged[] = {
        {"--layout", 0, 3, &nLayout},        {"--time-scale", 4, 20, &nTimeScale},
        {"--mouse-mode", 1, 3, &nMouseMode}, {"--repeat", 1, 1000, &repeat},
        {"--dpi", 72, 2400, &dpi},           {"--sensitivity", 1, 4, &nSensitivity},
    };
    for (const Ranged& option : ranged) {
        long long nValue = 0;
        if (!line.Has(option.pszName))
            continue;
        if (!line.IntValue(option.pszName, 0, option.nMin, nValue, strError))
            return false;
        if (nValue > option.nMax) {
            strError = std::string(option.pszName) + " must be at most " + std::to_string(option.nMax);
            return false;
        }
        *option.pTarget = static_cast<int>(nValue);
    }
    if (nSensitivity && *nSensitivity == 3) {
        strError = "--sensitivity takes 1, 2 or 4";
        return false;
    }
    nRepeat = repeat.value_or(0);
    nDpi = dpi.value_or(nDpi);
    return true;
}
