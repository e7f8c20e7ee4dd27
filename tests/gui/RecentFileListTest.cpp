#include "app/CRecentFileList.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecentFileListTest : public testing::Test {
protected:
    QString Path(const QString& strName) const { return m_dir.filePath(strName); }
    QString IniFile() const { return m_dir.filePath(QStringLiteral("profile.ini")); }

    QTemporaryDir m_dir;
};

TEST_F(RecentFileListTest, KeepsTheFourNewestNewestFirst) {
    QSettings settings(IniFile(), QSettings::IniFormat);
    CRecentFileList list(settings);
    for (const char* pszName : {"a.mwf", "b.mwf", "c.mwf", "d.mwf", "e.mwf"})
        list.Add(Path(pszName));
    EXPECT_EQ(list.GetEntries(), QStringList({Path("e.mwf"), Path("d.mwf"), Path("c.mwf"), Path("b.mwf")}));
}

TEST_F(RecentFileListTest, ReopeningMovesToTheTopOnce) {
    QSettings settings(IniFile(), QSettings::IniFormat);
    CRecentFileList list(settings);
    list.Add(Path("a.mwf"));
    list.Add(Path("b.mwf"));
    list.Add(Path("a.mwf"));
    EXPECT_EQ(list.GetEntries(), QStringList({Path("a.mwf"), Path("b.mwf")}));
}

TEST_F(RecentFileListTest, SurvivesARestartInTheProfile) {
    {
        QSettings settings(IniFile(), QSettings::IniFormat);
        CRecentFileList list(settings);
        list.Add(Path("a.mwf"));
        list.Add(Path("b.mwf"));
        list.Remove(1);
    }
    QSettings settings(IniFile(), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), Path("b.mwf"));
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File2")));
    CRecentFileList list(settings);
    EXPECT_EQ(list.GetEntries(), QStringList({Path("b.mwf")}));
}

} // namespace
