#pragma once

#include <QColor>
#include <QWidget>

namespace orbivane {

// A one-pixel horizontal rule of a menu.
class SeparatorLine : public QWidget {
public:
    SeparatorLine(QWidget* parent, int x1, int y, int x2);
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_{Qt::white};
};

} // namespace orbivane
