#pragma once

#include <QPixmap>
#include <QString>

namespace orbivane {

// A picture of the command column, drawn from its SVG resource at 40 x 32 pixels (an empty
// pixmap when the resource is missing).
QPixmap CommandPicture(const QString& name);

} // namespace orbivane
