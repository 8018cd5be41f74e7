#include "CommandPictures.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library are registered by hand, once.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace orbivane {

QPixmap CommandPicture(const QString& name)
{
    static const bool registered = (registerResources(), true);
    (void)registered;
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(40, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace orbivane
