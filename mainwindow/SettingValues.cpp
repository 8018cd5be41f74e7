#include "SettingValues.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orbivane::setting_text {

std::optional<std::uint32_t> toColour(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    qulonglong value = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        value = t.mid(2).toULongLong(&ok, 16);
    else
        value = t.toULongLong(&ok, 10);
    if (!ok || value > 0xFFFFFFFFULL)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<double> toReal(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.')); // a store written on a French system
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> toInteger(const QString& text)
{
    bool ok = false;
    const short value = text.trimmed().toShort(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

QString fromColour(std::uint32_t colour)
{
    return QString::number(colour);
}

QString fromReal(double value)
{
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (error != std::errc())
        return QString::number(value, 'g', 17);
    return QString::fromLatin1(buffer.data(), static_cast<int>(end - buffer.data()));
}

QString fromFlag(bool on)
{
    return on ? Yes : No;
}

} // namespace orbivane::setting_text
