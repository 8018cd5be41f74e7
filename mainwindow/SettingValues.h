#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace orbivane {

// Conversions between the stored texts and their values; empty when a text does not convert.
namespace setting_text {

inline const QString Yes = QStringLiteral("Oui");
inline const QString No = QStringLiteral("Non");

std::optional<std::uint32_t> toColour(const QString& text); // "&H808000" or "8421376"
std::optional<double> toReal(const QString& text);          // "0.3" or "0,3"
std::optional<std::int16_t> toInteger(const QString& text);

QString fromColour(std::uint32_t colour); // decimal
QString fromReal(double value);           // shortest fixed form with a full stop; whole values as integers
QString fromFlag(bool on);

} // namespace setting_text
} // namespace orbivane
