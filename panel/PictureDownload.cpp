#include "PictureDownload.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkRequest>
#include <QUrl>

namespace zibpanel {

QNetworkReply* StartPictureDownload(QNetworkAccessManager& network, const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
                               scheme != QLatin1String("file")))
        return nullptr;
    QNetworkRequest request(address);
    request.setTransferTimeout(PictureTransferTimeoutMs);
    request.setMaximumRedirectsAllowed(PictureMaxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network.get(request);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > PictureMaxBytes || total > PictureMaxBytes)
            reply->abort();
    });
    return reply;
}

std::optional<QImage> FinishPictureDownload(QNetworkReply& reply)
{
    if (reply.error() != QNetworkReply::NoError)
        return std::nullopt;
    QByteArray data = reply.read(PictureMaxBytes + 1);
    if (data.size() > PictureMaxBytes)
        return std::nullopt;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.width() > PictureMaxSide || size.height() > PictureMaxSide)
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull() || image.width() > PictureMaxSide || image.height() > PictureMaxSide)
        return std::nullopt;
    return image;
}

} // namespace zibpanel
