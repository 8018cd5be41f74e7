#include "SettingsStore.h"

#include "SettingValues.h"

#include <QVariant>

#include <cstdio>

namespace orbivane {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

QString defaultOf(Setting setting)
{
    return fromUtf8(specOf(setting).defaultText);
}

} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orbivane"),
                                            QStringLiteral("Orbivane")))
{
}

SettingsStore::SettingsStore(const QString& path) : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::ReadSetting(const QString& section, const QString& key, const QString& defaultText) const
{
    const QVariant value = settings_->value(keyPath(section, key));
    if (!value.isValid())
        return defaultText;
    // A value the INI format turned into a list (a hand-written comma) is not one of ours.
    if (value.typeId() == QMetaType::QStringList)
        return defaultText;
    return value.toString();
}

void SettingsStore::WriteSetting(const QString& section, const QString& key, const QString& text)
{
    settings_->setValue(keyPath(section, key), text);
    saveNow();
}

void SettingsStore::DeleteAllSettings()
{
    settings_->clear();
    saveNow();
}

void SettingsStore::saveNow()
{
    settings_->sync();
    if (settings_->status() != QSettings::AccessError || failed_)
        return;
    failed_ = true;
    std::fprintf(stderr, "orbivane: cannot save the settings in %s; changes are kept until the program ends\n",
                 qPrintable(settings_->fileName()));
}

QString SettingsStore::fileName() const
{
    return settings_->fileName();
}

QString SettingsStore::text(Setting setting) const
{
    const SettingSpec& spec = specOf(setting);
    return ReadSetting(fromUtf8(spec.section), fromUtf8(spec.key), defaultOf(setting));
}

void SettingsStore::setText(Setting setting, const QString& text)
{
    const SettingSpec& spec = specOf(setting);
    WriteSetting(fromUtf8(spec.section), fromUtf8(spec.key), text);
}

bool SettingsStore::flag(Setting setting) const
{
    return text(setting) == setting_text::Yes;
}

std::uint32_t SettingsStore::colour(Setting setting) const
{
    if (const auto value = setting_text::toColour(text(setting)))
        return *value;
    return *setting_text::toColour(defaultOf(setting));
}

double SettingsStore::real(Setting setting) const
{
    if (const auto value = setting_text::toReal(text(setting)))
        return *value;
    return *setting_text::toReal(defaultOf(setting));
}

std::int16_t SettingsStore::integer(Setting setting) const
{
    if (const auto value = setting_text::toInteger(text(setting)))
        return *value;
    return *setting_text::toInteger(defaultOf(setting));
}

void SettingsStore::setFlag(Setting setting, bool on)
{
    setText(setting, setting_text::fromFlag(on));
}

void SettingsStore::setColour(Setting setting, std::uint32_t colour)
{
    setText(setting, setting_text::fromColour(colour));
}

void SettingsStore::setReal(Setting setting, double value)
{
    setText(setting, setting_text::fromReal(value));
}

void SettingsStore::setInteger(Setting setting, std::int16_t value)
{
    setText(setting, QString::number(value));
}

} // namespace orbivane
