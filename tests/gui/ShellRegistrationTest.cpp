#include "app/CShellRegistration.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString ReadAll(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(ShellRegistrationTest, WritesEntryTypeAndIconForThisProgram) {
    QTemporaryDir dataHome;
    const CShellRegistration registration(QStringLiteral("/opt/my tools/zelvo"), dataHome.path());
    ASSERT_TRUE(registration.Register());
    const QString strEntry = ReadAll(registration.DesktopEntryPath());
    EXPECT_TRUE(strEntry.contains(QStringLiteral("Exec=\"/opt/my tools/zelvo\" %f")));
    EXPECT_TRUE(strEntry.contains(QStringLiteral("Exec=\"/opt/my tools/zelvo\" /p %f")));
    EXPECT_TRUE(strEntry.contains(QStringLiteral("MimeType=application/x-zelvo-document;")));
    const QString strType = ReadAll(registration.MimePackagePath());
    EXPECT_TRUE(strType.contains(QStringLiteral("<glob pattern=\"*.mwf\"/>")));
    EXPECT_TRUE(strType.contains(QStringLiteral("<comment>Zelvo Document</comment>")));
    EXPECT_TRUE(QFile::exists(registration.IconPath()));

    ASSERT_TRUE(registration.Unregister());
    EXPECT_FALSE(QFile::exists(registration.DesktopEntryPath()));
    EXPECT_FALSE(QFile::exists(registration.MimePackagePath()));
}

// The program itself, with no display at all: it registers and ends without a window.
TEST(ShellRegistrationTest, RegServerSwitchRegistersAndExits) {
    QTemporaryDir dataHome;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZELVO_PROGRAM), {QStringLiteral("/REGSERVER")});
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const CShellRegistration registration(QStringLiteral(ZELVO_PROGRAM), dataHome.path());
    EXPECT_TRUE(ReadAll(registration.DesktopEntryPath()).contains(QStringLiteral(ZELVO_PROGRAM)));
    EXPECT_TRUE(QFile::exists(registration.MimePackagePath()));
}

} // namespace
