#include "app/CSettingsProfile.h"

namespace {

QString Key(const std::string& strSection, const std::string& strEntry) {
    return QString::fromStdString(strSection + "/" + strEntry);
}

} // namespace

CSettingsProfile::CSettingsProfile() : m_settings(QStringLiteral("MFER"), QStringLiteral("Zelvo")) {}

CSettingsProfile::CSettingsProfile(const QString& strFile) : m_settings(strFile, QSettings::IniFormat) {}

int CSettingsProfile::GetProfileInt(const std::string& strSection, const std::string& strEntry,
                                    int nDefault) const {
    bool bOk = false;
    const int nValue = m_settings.value(Key(strSection, strEntry)).toInt(&bOk);
    return bOk ? nValue : nDefault;
}

bool CSettingsProfile::WriteProfileInt(const std::string& strSection, const std::string& strEntry,
                                       int nValue) {
    m_settings.setValue(Key(strSection, strEntry), nValue);
    return m_settings.isWritable();
}
