#include "app/CZelvoApp.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    std::vector<std::string> astrArgs(argv + 1, argv + argc);
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(astrArgs);
    // Registering needs no display, so it runs where no window system is.
    if (CZelvoApp::IsRegistration(cmdInfo)) {
        QCoreApplication app(argc, argv);
        return CZelvoApp::ProcessRegistration(cmdInfo);
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("MFER"));
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    CZelvoApp theApp;
    if (!theApp.InitInstance(astrArgs))
        return theApp.GetExitCode();
    return QApplication::exec();
}
