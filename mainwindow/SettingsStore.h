#pragma once

#include "SettingsTable.h"

#include <QSettings>
#include <QString>

#include <cstdint>
#include <memory>

namespace orbivane {

// The per-user store of the program's choices: text values by section and key for the
// application "Orbivane", in the user's config dir as Orbivane/Orbivane.ini. Every write
// reaches the file at once; a write that cannot be saved leaves the value in memory and is
// reported on stderr once.
class SettingsStore {
public:
    SettingsStore();                             // the user's store
    explicit SettingsStore(const QString& path); // a store in a given file, for tests and tools
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString ReadSetting(const QString& section, const QString& key, const QString& defaultText) const;
    void WriteSetting(const QString& section, const QString& key, const QString& text);
    void DeleteAllSettings();

    // The stored text of a setting, or its default.
    QString text(Setting setting) const;
    void setText(Setting setting, const QString& text);

    // Typed reads: a stored value that does not convert to the form gives the default.
    bool flag(Setting setting) const; // on only for exactly "Oui"
    std::uint32_t colour(Setting setting) const;
    double real(Setting setting) const;
    std::int16_t integer(Setting setting) const;

    void setFlag(Setting setting, bool on);
    void setColour(Setting setting, std::uint32_t colour);
    void setReal(Setting setting, double value);
    void setInteger(Setting setting, std::int16_t value);

    QString fileName() const;
    // True once a write could not be saved.
    bool failed() const { return failed_; }

private:
    void saveNow();

    std::unique_ptr<QSettings> settings_;
    bool failed_ = false;
};

} // namespace orbivane
