#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "SettingsStore.h"

// The remembered values in QSettings, per user: organisation "ULVO",
// application "ZQ-915" (the registry on Windows, an INI file elsewhere).
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    // An INI file at `iniPath` instead, for tests.
    explicit QSettingsStore(const QString& iniPath);

    [[nodiscard]] std::string readString(std::string_view name) override;
    bool writeString(std::string_view name, std::string_view text) override;

private:
    std::unique_ptr<QSettings> m_settings;
};
