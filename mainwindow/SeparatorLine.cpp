#include "SeparatorLine.h"

#include <QPainter>

namespace orbivane {

SeparatorLine::SeparatorLine(QWidget* parent, int x1, int y, int x2) : QWidget(parent)
{
    setGeometry(x1, y, x2 - x1 + 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SeparatorLine::setColour(const QColor& colour)
{
    colour_ = colour;
    update();
}

void SeparatorLine::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), colour_);
}

} // namespace orbivane
