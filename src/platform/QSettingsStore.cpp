#include "QSettingsStore.h"

namespace {

// A remembered value is a few digits; one longer than 1023 characters reads
// as nothing, like any other unreadable value.
constexpr qsizetype kMaxValueLength = 1023;

QString Key(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "ULVO", "ZQ-915"))
{
}

QSettingsStore::QSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

std::string QSettingsStore::readString(std::string_view name)
{
    const QVariant value = m_settings->value(Key(name));
    if (!value.isValid() || !value.canConvert<QString>()) return {};
    QString text = value.toString();
    if (text.size() > kMaxValueLength) return {};
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0) text.truncate(zero);
    return text.toStdString();
}

bool QSettingsStore::writeString(std::string_view name, std::string_view text)
{
    m_settings->setValue(Key(name),
                         text.empty() ? QStringLiteral(" ")
                                      : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
