#pragma once

#include "ZibPanel6Export.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace zibpanel {

// The host's per-instance store of a control's properties. Keys are compared without regard
// to case.
class ZIBPANEL6_EXPORT ZibPropertyBag {
public:
    virtual ~ZibPropertyBag();
    // The stored value, or empty when the key is absent.
    virtual std::optional<QVariant> readProperty(const QString& name) const = 0;
    // Stores a value; a value equal to its default is left out of the store.
    virtual void writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) = 0;
};

// A property bag in a QVariantMap, which can be written to and read from JSON.
class ZIBPANEL6_EXPORT VariantMapPropertyBag final : public ZibPropertyBag {
public:
    VariantMapPropertyBag() = default;
    explicit VariantMapPropertyBag(QVariantMap values) : values_(std::move(values)) {}

    std::optional<QVariant> readProperty(const QString& name) const override;
    void writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override;

    const QVariantMap& values() const { return values_; }
    QByteArray toJson() const;
    // Empty when the text is not a JSON object.
    static std::optional<VariantMapPropertyBag> fromJson(const QByteArray& json);

private:
    QString storedKey(const QString& name) const;

    QVariantMap values_;
};

} // namespace zibpanel
