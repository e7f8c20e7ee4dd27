#pragma once

#include "platform/IProfile.h"

#include <QSettings>

// The per-user profile kept by QSettings under organisation "MFER", application "Zelvo", with the
// same section and value names the program has always used.
class CSettingsProfile : public IProfile {
public:
    CSettingsProfile();
    // For the tests: a profile in a file of its own.
    explicit CSettingsProfile(const QString& strFile);

    int GetProfileInt(const std::string& strSection, const std::string& strEntry,
                      int nDefault) const override;
    bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) override;

    QSettings& GetSettings() { return m_settings; }

private:
    mutable QSettings m_settings;
};
