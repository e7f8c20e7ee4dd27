#include "app/CRecentFileList.h"

#include <QFileInfo>

namespace {

const QString g_strSection = QStringLiteral("Recent File List");

QString EntryKey(int nIndex) {
    return g_strSection + QStringLiteral("/File%1").arg(nIndex + 1);
}

} // namespace

CRecentFileList::CRecentFileList(QSettings& settings) : m_settings(settings) {
    ReadList();
}

void CRecentFileList::ReadList() {
    m_astrFiles.clear();
    for (int i = 0; i < m_nMaxEntries; ++i) {
        const QString strPath = m_settings.value(EntryKey(i)).toString();
        if (!strPath.isEmpty())
            m_astrFiles.append(strPath);
    }
}

void CRecentFileList::WriteList() {
    m_settings.remove(g_strSection);
    for (int i = 0; i < m_astrFiles.size(); ++i)
        m_settings.setValue(EntryKey(i), m_astrFiles[i]);
    m_settings.sync();
}

// The same file opened again moves to the top instead of appearing twice.
void CRecentFileList::Add(const QString& strPath) {
    const QString strAbsolute = QFileInfo(strPath).absoluteFilePath();
    m_astrFiles.removeAll(strAbsolute);
    m_astrFiles.prepend(strAbsolute);
    while (m_astrFiles.size() > m_nMaxEntries)
        m_astrFiles.removeLast();
    WriteList();
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= m_astrFiles.size())
        return;
    m_astrFiles.removeAt(nIndex);
    WriteList();
}
