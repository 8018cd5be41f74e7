#include "PanelPainting.h"

#include "ZibPanelEnums.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace zibpanel {

int roundEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(value, -1e9, 1e9)));
}

std::vector<QRgb> BuildGradientTable(QColor start, QColor end, int n)
{
    n = std::max(n, 0);
    double r = start.red();
    double g = start.green();
    double b = start.blue();
    const double dr = n == 0 ? 0 : (end.red() - r) / n;
    const double dg = n == 0 ? 0 : (end.green() - g) / n;
    const double db = n == 0 ? 0 : (end.blue() - b) / n;
    auto limit = [](double v) { return std::max(std::min(v, 255.0), 0.0); };
    std::vector<QRgb> table(static_cast<std::size_t>(n) + 1);
    for (auto& entry : table) {
        r = limit(r + dr);
        g = limit(g + dg);
        b = limit(b + db);
        entry = qRgb(roundEven(r), roundEven(g), roundEven(b));
    }
    return table;
}

QString DisplayText(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            text += caption[i];
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            text += QLatin1Char('&');
            ++i;
        }
    }
    return text;
}

std::optional<QChar> AccessKeyFromCaption(const QString& caption)
{
    std::optional<QChar> key;
    auto markedAt = [&](qsizetype amp) -> bool { return amp + 1 < caption.size() && caption[amp + 1] != QLatin1Char('&'); };
    qsizetype at = caption.indexOf(QLatin1Char('&'));
    if (at < 0)
        return key;
    if (markedAt(at))
        key = caption[at + 1].toLower();
    else
        ++at; // a doubled marker shows one "&"
    const qsizetype next = caption.indexOf(QLatin1Char('&'), at + 1);
    if (next >= 0 && markedAt(next))
        key = caption[next + 1].toLower();
    return key;
}

QPoint HorizontalCaptionPosition(int align, double sw, double sh, int w, int h)
{
    if (align < 0 || align > 8)
        return {0, 0};
    const int column = align % 3;
    const int row = align / 3;
    const int x = column == 0 ? 3 : column == 1 ? roundEven(sw - w) / 2 : roundEven(sw - w - 3);
    const int y = row == 0 ? 2 : row == 1 ? roundEven(sh - h) / 2 : roundEven(sh - h - 2);
    return {x, y};
}

QPoint VerticalCaptionPosition(int align, double sw, double sh, int w, int h)
{
    if (align < 0 || align > 8)
        return {0, 0};
    const int column = align % 3;
    const int row = align / 3;
    const int x = column == 0 ? 0 : column == 1 ? roundEven(sw - h) / 2 : roundEven(sw - h);
    const int y = row == 0 ? w + 5 : row == 1 ? roundEven(sh) / 2 + w / 2 : roundEven(sh - 5);
    return {x, y};
}

namespace {

void drawGradient(QPainter& painter, const PanelLook& look, int width, int height)
{
    const bool vertical = look.gradientSens == Vertical;
    if (!vertical && look.gradientSens != Horizontal)
        return;
    const int length = vertical ? height : width;
    const auto table = BuildGradientTable(look.gradientStart, look.gradientEnd, length / 2);
    for (int at = 0; at <= length; at += 2) {
        const QColor colour = QColor::fromRgb(table[static_cast<std::size_t>(at / 2)]);
        painter.fillRect(vertical ? QRect(0, at, width, 2) : QRect(at, 0, 2, height), colour);
    }
}

// The picture with its mask-coloured pixels made transparent.
QImage maskedPicture(const QImage& picture, QColor mask)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb maskRgb = mask.rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == maskRgb)
                line[x] = 0;
    }
    return image;
}

void drawTiledPicture(QPainter& painter, const PanelLook& look, int width, int height)
{
    const int bw = look.picture.width();
    const int bh = look.picture.height();
    if (bw <= 0 || bh <= 0)
        return;
    const QImage tile = look.useMask ? maskedPicture(look.picture, look.mask) : look.picture;
    const int nx = width / bw;
    const int ny = height / bh;
    for (int i = 0; i <= nx; ++i)
        for (int j = 0; j <= ny; ++j)
            painter.drawImage(QPoint(i * bw, j * bh), tile);
}

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;

void drawText(QPainter& painter, QPoint at, const QString& caption, QColor colour)
{
    painter.setPen(colour);
    painter.drawText(QRect(at, QSize(1 << 15, 1 << 15)), TextFlags, caption);
}

void drawCaption(QPainter& painter, const PanelLook& look, int width, int height)
{
    if (look.caption.isEmpty())
        return;
    painter.setFont(look.font);
    const QFontMetrics metrics(look.font);
    const QString shown = DisplayText(look.caption);
    const int w = metrics.horizontalAdvance(shown);
    const int h = metrics.height();
    if (look.captionSens == CaptionHorizontal) {
        const QPoint at = HorizontalCaptionPosition(look.captionAlign, width, height, w, h);
        if (look.enabled) {
            drawText(painter, at, look.caption, look.fore);
        } else {
            // The embossed look: the highlight one pixel right and down, the shadow on top.
            drawText(painter, at + QPoint(1, 1), look.caption, look.palette.color(QPalette::Light));
            drawText(painter, at, look.caption, look.palette.color(QPalette::Dark));
        }
        return;
    }
    // Turned by 90 degrees, running upwards; never greyed.
    const QPoint at = VerticalCaptionPosition(look.captionAlign, width, height, w, h);
    painter.save();
    painter.translate(at);
    painter.rotate(-90);
    drawText(painter, QPoint(0, 0), look.caption, look.fore);
    painter.restore();
}

// One frame line around r: top and left in one colour, bottom and right in the other.
void frame(QPainter& painter, QRect r, QColor topLeft, QColor bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const int l = r.left();
    const int t = r.top();
    const int rt = r.right();
    const int b = r.bottom();
    painter.fillRect(QRect(l, t, r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(l, t, 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(l, b, r.width(), 1), bottomRight);
    painter.fillRect(QRect(rt, t, 1, r.height()), bottomRight);
}

void drawBorder(QPainter& painter, const PanelLook& look, QRect r)
{
    const QPalette& p = look.palette;
    const QColor highlight = p.color(QPalette::Light);
    const QColor light = p.color(QPalette::Midlight);
    const QColor shadow = p.color(QPalette::Dark);
    const QColor darkShadow = p.color(QPalette::Shadow);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    switch (look.borderStyle) {
    case Raised:
        frame(painter, r, light, darkShadow);
        frame(painter, inner, highlight, shadow);
        break;
    case Sunken:
        frame(painter, r, shadow, highlight);
        frame(painter, inner, darkShadow, light);
        break;
    case Etched:
        frame(painter, r, shadow, highlight);
        frame(painter, inner, highlight, shadow);
        break;
    case bump:
        frame(painter, r, light, darkShadow);
        frame(painter, inner, darkShadow, light);
        break;
    case SoftRaised:
        frame(painter, r, highlight, shadow);
        break;
    case SoftSunken:
        frame(painter, r, shadow, highlight);
        break;
    case Single:
        frame(painter, r, darkShadow, darkShadow);
        break;
    default: // Flat, or a value outside the enumeration: no border
        break;
    }
}

} // namespace

void PaintPanel(QImage& surface, const PanelLook& look)
{
    if (surface.isNull())
        return;
    QPainter painter(&surface);
    const QRect r = surface.rect();
    painter.fillRect(r, look.back);
    if (look.gradient)
        drawGradient(painter, look, r.width(), r.height());
    if (!look.picture.isNull())
        drawTiledPicture(painter, look, r.width(), r.height());
    drawCaption(painter, look, r.width(), r.height());
    drawBorder(painter, look, r);
}

} // namespace zibpanel
