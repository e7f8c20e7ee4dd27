#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

// The recent-file list of the File menu: the last files opened, newest first, kept in the profile's
// "Recent File List" section as "File1" to "File4".
class CRecentFileList {
public:
    static constexpr int m_nMaxEntries = 4;

    explicit CRecentFileList(QSettings& settings);

    void Add(const QString& strPath);
    void Remove(int nIndex);
    const QStringList& GetEntries() const { return m_astrFiles; }
    void WriteList();

private:
    void ReadList();

    QSettings& m_settings;
    QStringList m_astrFiles;
};
