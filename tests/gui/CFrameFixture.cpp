#include "CFrameFixture.h"

#include "app/CCommandActions.h"
#include "res/CResources.h"

#include <QMenu>

void CFrameFixture::SetUp() {
    CResources::UseBuiltIn();
    m_pProfile = std::make_unique<CSettingsProfile>(m_dir.filePath(QStringLiteral("profile.ini")));
    CreateFrame();
}

void CFrameFixture::TearDown() {
    m_pFrame.reset();
}

void CFrameFixture::CreateFrame() {
    m_pFrame = std::make_unique<CMainFrame>(m_doc, *m_pProfile);
    ASSERT_TRUE(m_pFrame->OnCreate());
    m_pFrame->resize(900, 700);
}

QString CFrameFixture::Sample(const char* pszName) {
    return QStringLiteral(ZELVO_SAMPLE_DIR "/") + QString::fromLatin1(pszName);
}

bool CFrameFixture::Open(const char* pszSample) {
    return m_pFrame->OpenDocumentFile(Sample(pszSample));
}

QAction* CFrameFixture::Updated(int nId) {
    CCommandActions& commands = m_pFrame->GetCommands();
    QAction* pAction = commands.FindAction(nId);
    if (pAction == nullptr)
        return nullptr;
    if (QMenu* pMenu = commands.FindPopupOf(nId))
        commands.UpdateMenu(pMenu);
    else
        commands.UpdateToolBar();
    return pAction;
}

void CFrameFixture::Trigger(int nId) {
    QAction* pAction = Updated(nId);
    ASSERT_NE(pAction, nullptr);
    pAction->trigger();
}
