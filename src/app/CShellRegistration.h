#pragma once

#include <QString>

// Registers the program with the desktop for the current user: a desktop entry that opens and
// prints *.mwf files, the shared-mime-info type "Zelvo Document" for them and the program's icon,
// all under XDG_DATA_HOME (~/.local/share when unset).
class CShellRegistration {
public:
    explicit CShellRegistration(QString strProgram, QString strDataHome = DataHome());

    // False when a file could not be written.
    bool Register() const;
    bool Unregister() const;

    QString DesktopEntryPath() const;
    QString MimePackagePath() const;
    QString IconPath() const;

    static QString DataHome();

private:
    bool WriteResource(const QString& strResource, const QString& strPath, bool bSetExec) const;
    void UpdateDatabases() const;

    QString m_strProgram;
    QString m_strDataHome;
};
