#pragma once

#include "app/CMainFrame.h"
#include "app/CSettingsProfile.h"
#include "app/CZelvoDoc.h"

#include <QAction>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A main window on the offscreen platform, with a profile of its own and the built-in resources,
// opened on the bundled samples.
class CFrameFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static QString Sample(const char* pszName);
    void CreateFrame();
    bool Open(const char* pszSample);
    // The action of a command after the update rules ran, as the menu holding it would show it.
    QAction* Updated(int nId);
    void Trigger(int nId);
    CZelvoView& View() { return m_pFrame->GetView(); }

    QTemporaryDir m_dir;
    std::unique_ptr<CSettingsProfile> m_pProfile;
    CZelvoDoc m_doc;
    std::unique_ptr<CMainFrame> m_pFrame;
};
