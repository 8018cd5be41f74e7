#include "Demarrer.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace orbivane {

namespace {

const QColor LightGrey(0xE0, 0xE0, 0xE0);

QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QLabel* label(QWidget* parent, const QString& text, QRect place, const QFont& font)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, LightGrey);
    l->setPalette(p);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QFont makeFont(const char* family, double points, bool bold, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace

Demarrer::Demarrer(std::function<void(Demarrer&)> loadMainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Demarrer"));
    setWindowTitle(QStringLiteral("Démarrage"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(471, 130);
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        const QRect area = display->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    // 256 bands of equal height over a scale of 512 units, black at the top to blue.
    background_ = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&background_);
    const double unit = height() / 512.0;
    for (int i = 0; i < 256; ++i) {
        const int top = static_cast<int>(2 * i * unit);
        const int bottom = static_cast<int>((2 * i + 2) * unit);
        painter.fillRect(QRect(0, top, width(), std::max(bottom - top, 1)), QColor(0, 0, i));
    }
    painter.setPen(QPen(LightGrey, 2));
    painter.drawLine(3480 / 15, 100, 6800 / 15, 100);
    painter.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    addLabels();

    timer11_.setSingleShot(true);
    timer11_.setInterval(1);
    connect(&timer11_, &QTimer::timeout, this, [this, loadMainWindow] { loadMainWindow(*this); });
    timer11_.start();
}

void Demarrer::addLabels()
{
    label(this, QStringLiteral("Orbivane"), fromTwips(180, 60, 5790, 1080), makeFont("Times New Roman", 48, true, true));
    label(this, QStringLiteral("Version 3.14 - Décembre 2001"), fromTwips(3465, 1140, 3375, 285), makeFont("Arial", 12, true));
    label(this, QStringLiteral("Un instant, SVP..."), fromTwips(5265, 1590, 1620, 240), makeFont("Arial", 9.75, true, true));
    label(this, QStringLiteral("Logiciel libre"), fromTwips(120, 1020, 1260, 210), makeFont("Arial", 8.25, false));
}

void Demarrer::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, background_);
}

} // namespace orbivane
