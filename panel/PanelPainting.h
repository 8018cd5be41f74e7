#pragma once

#include "ZibPanel6Export.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace zibpanel {

// Round to the nearest integer, halves to even.
ZIBPANEL6_EXPORT int roundEven(double value);

// The n + 1 strip colours from start to end. Each entry is one step further than the one
// before, the first one step past the start colour; channels stay within 0..255.
ZIBPANEL6_EXPORT std::vector<QRgb> BuildGradientTable(QColor start, QColor end, int n);

// The caption as shown: a single "&" removed, "&&" shown as one "&".
ZIBPANEL6_EXPORT QString DisplayText(const QString& caption);

// The access key the "&" markers of a caption give (lower case), if any.
ZIBPANEL6_EXPORT std::optional<QChar> AccessKeyFromCaption(const QString& caption);

// The top-left corner of a horizontal caption of size textW x textH on a surface of
// surfaceW x surfaceH, for an alignment 0..8 (anything else: the origin).
ZIBPANEL6_EXPORT QPoint HorizontalCaptionPosition(int align, double surfaceW, double surfaceH, int textW, int textH);
// The starting point of a vertical caption (running upwards) of length textW and thickness textH.
ZIBPANEL6_EXPORT QPoint VerticalCaptionPosition(int align, double surfaceW, double surfaceH, int textW, int textH);

// Everything one painting of a panel reads.
struct PanelLook {
    QColor back;
    QColor fore;
    QFont font;
    bool enabled = true;
    QString caption;
    int captionAlign = 0;
    int captionSens = 0;
    int borderStyle = 0;
    QImage picture;
    QColor mask;
    bool useMask = true;
    bool gradient = false;
    QColor gradientStart;
    QColor gradientEnd;
    int gradientSens = 0;
    QPalette palette; // for the 3-D edges and the embossed disabled caption
};

// Repaints the whole surface: background, gradient, tiled picture, caption, border.
ZIBPANEL6_EXPORT void PaintPanel(QImage& surface, const PanelLook& look);

} // namespace zibpanel
