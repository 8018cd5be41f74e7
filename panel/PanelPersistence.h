#pragma once

#include "ZibPropertyBag.h"

#include <QFont>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <functional>

namespace zibpanel {

// Reads the panel's keys one at a time: an absent key gives its default, a key whose value
// does not convert leaves the property as it was.
class PanelReader {
public:
    explicit PanelReader(const ZibPropertyBag& bag) : bag_(bag) {}

    void colour(const char* key, std::uint32_t defaultValue, const std::function<void(std::uint32_t)>& set) const;
    void flag(const char* key, bool defaultValue, const std::function<void(bool)>& set) const;
    void number(const char* key, short defaultValue, const std::function<void(short)>& set) const;
    void text(const char* key, const QString& defaultValue, const std::function<void(const QString&)>& set) const;
    void font(const char* key, const QFont& defaultValue, const std::function<void(const QFont&)>& set) const;
    void picture(const char* key, const std::function<void(const QImage&)>& set) const;
    void pixmap(const char* key, const std::function<void(const QPixmap&)>& set) const;

private:
    const ZibPropertyBag& bag_;
};

// Writes the panel's keys; the bag leaves out values equal to their defaults.
class PanelWriter {
public:
    explicit PanelWriter(ZibPropertyBag& bag) : bag_(bag) {}

    void colour(const char* key, std::uint32_t value, std::uint32_t defaultValue);
    void flag(const char* key, bool value, bool defaultValue);
    void number(const char* key, short value, short defaultValue);
    void text(const char* key, const QString& value);
    void font(const char* key, const QFont& value, const QFont& defaultValue);
    void picture(const char* key, const QImage& value);
    void pixmap(const char* key, const QPixmap& value);

private:
    ZibPropertyBag& bag_;
};

// A picture as stored in a bag: a PNG data address, which JSON can carry.
QString EncodePicture(const QImage& image);
std::optional<QImage> DecodePicture(const QVariant& value);

} // namespace zibpanel
