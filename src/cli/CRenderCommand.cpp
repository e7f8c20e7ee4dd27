#include "cli/CRenderCommand.h"

#include "cli/CCommandLine.h"
#include "cli/CJsonWriter.h"
#include "cli/CRenderOptions.h"
#include "cli/CRenderSession.h"

#include <QGuiApplication>

#include <unistd.h>

#include <filesystem>
#include <iostream>

namespace {

constexpr const char* USAGE =
    "usage: zelvo-cli render FILE -o OUT.png|OUT.pdf [--client WxH] [--scroll X,Y] [--layout N]\n"
    "       [--sensitivity 1|2|4] [--time-scale N] [--smooth] [--filter] [--universal] [--ecg-view]\n"
    "       [--mouse-mode 1|2|3] [--full] [--mouse \"down:X,Y move:X,Y up:X,Y right:X,Y\"] [--repeat N]\n"
    "       [--print DIR --dpi N [--page WxH]] [--detail-out DETAIL.png] [--detail-mouse \"EVENTS\"]\n";

int Fail(int nStatus, const std::string& strMessage) {
    std::cerr << "zelvo-cli: " << strMessage << '\n';
    if (nStatus == CLI_EXIT_USAGE)
        std::cerr << USAGE;
    return nStatus;
}

// The tool draws text with Qt but never shows a window, also where no display exists.
std::unique_ptr<QGuiApplication> StartHeadlessGui() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const std::filesystem::path runtime =
            std::filesystem::temp_directory_path() / ("zelvo-runtime-" + std::to_string(getuid()));
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    }
    static int argc = 1;
    static char name[] = "zelvo-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int CRenderCommand::Run(const std::vector<std::string>& args) {
    if (CCommandLine::AsksForHelp(args)) {
        std::cout << USAGE;
        return CLI_EXIT_OK;
    }
    CRenderOptions options;
    std::string strError;
    if (!options.Parse(args, strError))
        return Fail(CLI_EXIT_USAGE, strError);
    if (!options.strPrintFolder.empty() && !std::filesystem::is_directory(options.strPrintFolder))
        return Fail(CLI_EXIT_USAGE, "--print needs an existing folder: " + options.strPrintFolder);

    const auto app = StartHeadlessGui();
    CRenderSession session(options);
    if (const int nStatus = session.Open(); nStatus != CLI_EXIT_OK)
        return nStatus;
    session.ApplySettings();
    session.PaintFirst();
    if (!options.strMouse.empty() && !session.SendMouse(options.strMouse, strError))
        return Fail(CLI_EXIT_USAGE, strError);
    if (!session.GetDetailError().empty())
        return Fail(CLI_EXIT_USAGE, session.GetDetailError());

    int nPages = 0;
    if (options.IsPdfOutput()) {
        nPages = session.PrintPdf();
        if (nPages < 0)
            return Fail(CLI_EXIT_USAGE, "cannot write " + options.strOutput);
    } else if (!options.strOutput.empty() && !session.SavePng(options.strOutput)) {
        return Fail(CLI_EXIT_USAGE, "cannot write " + options.strOutput);
    }
    if (!options.strPrintFolder.empty()) {
        nPages = session.PrintPages();
        if (nPages < 0)
            return Fail(CLI_EXIT_USAGE, "cannot write the pages into " + options.strPrintFolder);
    }
    const double paintMs = options.nRepeat > 0 ? session.MedianPaintMs(options.nRepeat) : 0.0;

    CJsonWriter json(std::cout);
    json.BeginObject();
    session.WriteReport(json);
    json.Key("pages");
    json.Int(nPages);
    if (options.nRepeat > 0) {
        json.Key("paintMs");
        json.Double(paintMs);
    }
    json.EndObject();
    std::cout << '\n';
    return CLI_EXIT_OK;
}
