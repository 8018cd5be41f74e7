#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// A tiny HTTP server on 127.0.0.1 for tests: each path answers with a fixed response,
// optionally after a delay. Unknown paths answer 404.
class LoopbackHttpServer : public QTcpServer {
public:
    struct Route {
        QByteArray status = "200 OK";
        QByteArray body;
        QByteArray extraHeaders; // "Location: /x\r\n"
        int delayMs = 0;
    };

    LoopbackHttpServer() { listen(QHostAddress::LocalHost, 0); }

    void route(const QByteArray& path, Route r) { routes_.insert(path, std::move(r)); }
    QString url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path); }
    int requests = 0;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const QByteArray request = socket->readAll();
            const QByteArray path = request.split(' ').value(1);
            ++requests;
            const Route r = routes_.value(path, Route{"404 Not Found", "missing", {}, 0});
            QTimer::singleShot(r.delayMs, socket, [socket, r] {
                socket->write("HTTP/1.1 " + r.status + "\r\nContent-Length: " + QByteArray::number(r.body.size()) +
                              "\r\nConnection: close\r\n" + r.extraHeaders + "\r\n");
                socket->write(r.body);
                socket->disconnectFromHost();
            });
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    QMap<QByteArray, Route> routes_;
};
