#include "QImageCanvas.h"

#include <QPen>
#include <QPolygon>

#include <array>

namespace orbivane {

QPainter& QImageCanvas::painter()
{
    if (!painter_) {
        painter_.emplace(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

QColor QImageCanvas::colourOf(int index) const
{
    const Rgb c = palette_.colour(index);
    return QColor(c.r, c.g, c.b);
}

void QImageCanvas::fillPolygon(std::span<const Point> points, int colourIndex)
{
    std::array<QPoint, 4> corners;
    const auto count = std::min(points.size(), corners.size());
    for (std::size_t i = 0; i < count; ++i)
        corners[i] = QPoint(points[i].x, points[i].y);
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    p.setBrush(colourOf(colourIndex));
    // Aliased filling covers the pixels whose centres lie inside, which leaves out the right
    // and bottom edges as a polygon region does.
    p.drawPolygon(corners.data(), static_cast<int>(count), Qt::OddEvenFill);
}

void QImageCanvas::drawLine(Point from, Point to, int colourIndex)
{
    if (from == to)
        return; // a line to its own start pixel sets nothing
    QPainter& p = painter();
    QPen pen(colourOf(colourIndex), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QImageCanvas::clear(Rgb colour)
{
    painter().fillRect(image_.rect(), QColor(colour.r, colour.g, colour.b));
}

void QImageCanvas::flush()
{
    painter_.reset();
}

} // namespace orbivane
