#pragma once

#include "Canvas.h"
#include "MazePalette.h"

#include <QImage>
#include <QPainter>

#include <optional>

namespace orbivane {

// Paints the maze into a QImage, aliased, resolving colour indices through a maze palette.
// The painter stays open between calls; flush() closes it so the image can be shown or saved.
class QImageCanvas final : public Canvas {
public:
    QImageCanvas(QImage& image, const MazePalette& palette) : image_(image), palette_(palette) {}
    ~QImageCanvas() override { flush(); }
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    void fillPolygon(std::span<const Point> points, int colourIndex) override;
    void drawLine(Point from, Point to, int colourIndex) override;
    void clear(Rgb colour) override;

    void flush();

private:
    QPainter& painter();
    QColor colourOf(int index) const;

    QImage& image_;
    const MazePalette& palette_;
    std::optional<QPainter> painter_;
};

} // namespace orbivane
