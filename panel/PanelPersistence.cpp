#include "PanelPersistence.h"

#include <QBuffer>
#include <QMetaType>

#include <cmath>
#include <limits>

namespace zibpanel {

namespace {

const QString PngPrefix = QStringLiteral("data:image/png;base64,");

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// A whole number, from a number or from decimal text.
std::optional<long long> wholeNumber(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const long long n = v.toString().trimmed().toLongLong(&ok);
        return ok ? std::optional<long long>(n) : std::nullopt;
    }
    if (!isNumber(v))
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 9e15)
        return std::nullopt;
    return static_cast<long long>(d);
}

} // namespace

QString EncodePicture(const QImage& image)
{
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return PngPrefix + QString::fromLatin1(png.toBase64());
}

std::optional<QImage> DecodePicture(const QVariant& value)
{
    if (value.typeId() == QMetaType::QImage)
        return value.value<QImage>();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString();
    if (text.isEmpty())
        return QImage();
    if (!text.startsWith(PngPrefix))
        return std::nullopt;
    QImage image;
    if (!image.loadFromData(QByteArray::fromBase64(text.mid(PngPrefix.size()).toLatin1()), "PNG"))
        return std::nullopt;
    return image;
}

void PanelReader::colour(const char* key, std::uint32_t defaultValue, const std::function<void(std::uint32_t)>& set) const
{
    const auto v = bag_.readProperty(QString::fromLatin1(key));
    if (!v)
        return set(defaultValue);
    const auto n = wholeNumber(*v);
    // Signed 32-bit values stand for the system colours too.
    if (n && *n >= std::numeric_limits<std::int32_t>::min() && *n <= std::numeric_limits<std::uint32_t>::max())
        set(static_cast<std::uint32_t>(*n));
}

void PanelReader::flag(const char* key, bool defaultValue, const std::function<void(bool)>& set) const
{
    const auto v = bag_.readProperty(QString::fromLatin1(key));
    if (!v)
        return set(defaultValue);
    if (v->typeId() == QMetaType::Bool)
        return set(v->toBool());
    if (isNumber(*v))
        return set(v->toDouble() != 0);
    if (v->typeId() == QMetaType::QString) {
        const QString t = v->toString().trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            set(true);
        else if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            set(false);
    }
}

void PanelReader::number(const char* key, short defaultValue, const std::function<void(short)>& set) const
{
    const auto v = bag_.readProperty(QString::fromLatin1(key));
    if (!v)
        return set(defaultValue);
    const auto n = wholeNumber(*v);
    if (n && *n >= std::numeric_limits<short>::min() && *n <= std::numeric_limits<short>::max())
        set(static_cast<short>(*n));
}

void PanelReader::text(const char* key, const QString& defaultValue, const std::function<void(const QString&)>& set) const
{
    const auto v = bag_.readProperty(QString::fromLatin1(key));
    if (!v)
        return set(defaultValue);
    if (v->typeId() == QMetaType::QString)
        set(v->toString());
}

void PanelReader::font(const char* key, const QFont& defaultValue, const std::function<void(const QFont&)>& set) const
{
    const auto v = bag_.readProperty(QString::fromLatin1(key));
    if (!v)
        return set(defaultValue);
    if (v->typeId() == QMetaType::QFont)
        return set(v->value<QFont>());
    QFont font;
    if (v->typeId() == QMetaType::QString && font.fromString(v->toString()))
        set(font);
}

void PanelReader::picture(const char* key, const std::function<void(const QImage&)>& set) const
{
    const auto v = bag_.readProperty(QString::fromLatin1(key));
    if (!v)
        return set(QImage());
    if (const auto image = DecodePicture(*v))
        set(*image);
}

void PanelReader::pixmap(const char* key, const std::function<void(const QPixmap&)>& set) const
{
    picture(key, [&](const QImage& image) { set(QPixmap::fromImage(image)); });
}

void PanelWriter::colour(const char* key, std::uint32_t value, std::uint32_t defaultValue)
{
    bag_.writeProperty(QString::fromLatin1(key), QVariant(static_cast<qlonglong>(value)),
                       QVariant(static_cast<qlonglong>(defaultValue)));
}

void PanelWriter::flag(const char* key, bool value, bool defaultValue)
{
    bag_.writeProperty(QString::fromLatin1(key), QVariant(value), QVariant(defaultValue));
}

void PanelWriter::number(const char* key, short value, short defaultValue)
{
    bag_.writeProperty(QString::fromLatin1(key), QVariant(static_cast<int>(value)), QVariant(static_cast<int>(defaultValue)));
}

void PanelWriter::text(const char* key, const QString& value)
{
    bag_.writeProperty(QString::fromLatin1(key), QVariant(value), QVariant(QString()));
}

void PanelWriter::font(const char* key, const QFont& value, const QFont& defaultValue)
{
    bag_.writeProperty(QString::fromLatin1(key), QVariant(value.toString()), QVariant(defaultValue.toString()));
}

void PanelWriter::picture(const char* key, const QImage& value)
{
    bag_.writeProperty(QString::fromLatin1(key), QVariant(EncodePicture(value)), QVariant(QString()));
}

void PanelWriter::pixmap(const char* key, const QPixmap& value)
{
    picture(key, value.toImage());
}

} // namespace zibpanel
