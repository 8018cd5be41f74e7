#include "ZibPropertyBag.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace zibpanel {

ZibPropertyBag::~ZibPropertyBag() = default;

QString VariantMapPropertyBag::storedKey(const QString& name) const
{
    for (auto it = values_.cbegin(); it != values_.cend(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.key();
    return {};
}

std::optional<QVariant> VariantMapPropertyBag::readProperty(const QString& name) const
{
    const QString key = storedKey(name);
    if (key.isEmpty())
        return std::nullopt;
    return values_.value(key);
}

void VariantMapPropertyBag::writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    const QString existing = storedKey(name);
    if (!existing.isEmpty())
        values_.remove(existing);
    if (value != defaultValue)
        values_.insert(name, value);
}

QByteArray VariantMapPropertyBag::toJson() const
{
    return QJsonDocument(QJsonObject::fromVariantMap(values_)).toJson(QJsonDocument::Indented);
}

std::optional<VariantMapPropertyBag> VariantMapPropertyBag::fromJson(const QByteArray& json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    return VariantMapPropertyBag(document.object().toVariantMap());
}

} // namespace zibpanel
