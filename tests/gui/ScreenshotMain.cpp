// Starts the real program on a recording, waits until its window is painted, and saves a picture
// of the screen: of the window, or with one of its menus open.
//   zelvo-screenshot OUT.png FILE.mwf [MENU-INDEX]
#include "app/CMainFrame.h"
#include "app/CZelvoApp.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int g_nSettleMs = 800;
constexpr int g_nMenuSettleMs = 500;

void SaveScreen(const QString& strOut, QWidget* pWindow, bool bWholeScreen) {
    QScreen* pScreen = QGuiApplication::primaryScreen();
    const QRect rc = bWholeScreen ? pScreen->geometry() : pWindow->frameGeometry();
    const QPixmap picture = pScreen->grabWindow(0, rc.x(), rc.y(), rc.width(), rc.height());
    if (!picture.save(strOut))
        std::fprintf(stderr, "zelvo-screenshot: cannot write %s\n", qPrintable(strOut));
    QApplication::quit();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zelvo-screenshot OUT.png FILE.mwf [MENU-INDEX]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("MFER"));
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    CZelvoApp theApp;
    if (!theApp.InitInstance({argv[2]}))
        return theApp.GetExitCode();
    CMainFrame* pFrame = theApp.GetMainFrame();
    pFrame->setGeometry(40, 40, 1300, 900);
    const QString strOut = QString::fromLocal8Bit(argv[1]);
    const int nMenu = argc > 3 ? std::atoi(argv[3]) : -1;
    QTimer::singleShot(g_nSettleMs, [&] {
        if (nMenu < 0) {
            SaveScreen(strOut, pFrame, false);
            return;
        }
        QAction* pMenuAction = pFrame->menuBar()->actions().value(nMenu);
        if (pMenuAction != nullptr && pMenuAction->menu() != nullptr) {
            const QRect rcItem = pFrame->menuBar()->actionGeometry(pMenuAction);
            pMenuAction->menu()->popup(pFrame->menuBar()->mapToGlobal(rcItem.bottomLeft()));
        }
        QTimer::singleShot(g_nMenuSettleMs, [&] { SaveScreen(strOut, pFrame, true); });
    });
    return QApplication::exec();
}
