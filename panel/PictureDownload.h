#pragma once

#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QString>

#include <optional>

namespace zibpanel {

// Limits that keep an address given by anyone from hurting the program.
inline constexpr int PictureTransferTimeoutMs = 15000;
inline constexpr int PictureMaxRedirects = 5;
inline constexpr qint64 PictureMaxBytes = 5 * 1024 * 1024;
inline constexpr int PictureMaxSide = 4096;

// Starts reading a picture from an http, https or file address; null for any other address.
// A transfer that grows past the size limit is aborted.
QNetworkReply* StartPictureDownload(QNetworkAccessManager& network, const QString& url);

// The picture of a finished read, or empty when it failed, was too large or does not decode.
std::optional<QImage> FinishPictureDownload(QNetworkReply& reply);

} // namespace zibpanel
