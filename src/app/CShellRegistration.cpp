#include "app/CShellRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace {

const QString g_strInstalledExec = QStringLiteral("Exec=zelvo ");

// Desktop entries quote a program path that holds blanks or other reserved characters.
QString QuotedProgram(const QString& strProgram) {
    QString strEscaped = strProgram;
    strEscaped.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
    return '"' + strEscaped + '"';
}

void RunIfPresent(const QString& strTool, const QStringList& astrArgs) {
    if (!QStandardPaths::findExecutable(strTool).isEmpty())
        QProcess::execute(strTool, astrArgs);
}

} // namespace

CShellRegistration::CShellRegistration(QString strProgram, QString strDataHome)
    : m_strProgram(std::move(strProgram)), m_strDataHome(std::move(strDataHome)) {}

QString CShellRegistration::DataHome() {
    const QString strXdg = qEnvironmentVariable("XDG_DATA_HOME");
    return strXdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : strXdg;
}

QString CShellRegistration::DesktopEntryPath() const {
    return m_strDataHome + QStringLiteral("/applications/zelvo.desktop");
}

QString CShellRegistration::MimePackagePath() const {
    return m_strDataHome + QStringLiteral("/mime/packages/zelvo-mwf.xml");
}

QString CShellRegistration::IconPath() const {
    return m_strDataHome + QStringLiteral("/icons/hicolor/scalable/apps/zelvo.svg");
}

bool CShellRegistration::Register() const {
    const bool bWritten = WriteResource(QStringLiteral(":/shell/zelvo.desktop"), DesktopEntryPath(), true) &&
                          WriteResource(QStringLiteral(":/shell/zelvo-mime.xml"), MimePackagePath(), false) &&
                          WriteResource(QStringLiteral(":/shell/zelvo.svg"), IconPath(), false);
    UpdateDatabases();
    return bWritten;
}

bool CShellRegistration::Unregister() const {
    bool bRemoved = true;
    for (const QString& strPath : {DesktopEntryPath(), MimePackagePath(), IconPath()})
        bRemoved = (!QFile::exists(strPath) || QFile::remove(strPath)) && bRemoved;
    UpdateDatabases();
    return bRemoved;
}

// The installed entry runs "zelvo" from the path; the registered one runs this very program.
bool CShellRegistration::WriteResource(const QString& strResource, const QString& strPath,
                                       bool bSetExec) const {
    QFile source(strResource);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QByteArray data = source.readAll();
    if (bSetExec)
        data.replace(g_strInstalledExec.toUtf8(), ("Exec=" + QuotedProgram(m_strProgram) + ' ').toUtf8());
    if (!QDir().mkpath(QFileInfo(strPath).absolutePath()))
        return false;
    QFile target(strPath);
    return target.open(QIODevice::WriteOnly | QIODevice::Truncate) && target.write(data) == data.size();
}

void CShellRegistration::UpdateDatabases() const {
    RunIfPresent(QStringLiteral("update-mime-database"), {m_strDataHome + QStringLiteral("/mime")});
    RunIfPresent(QStringLiteral("update-desktop-database"),
                 {m_strDataHome + QStringLiteral("/applications")});
}
