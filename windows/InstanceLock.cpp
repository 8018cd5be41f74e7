#include "InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

namespace orbivane {

InstanceLock::InstanceLock(const QString& path) : lock_(path)
{
    // A running copy holds the lock however long it runs; only a dead owner makes it stale.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    return lock_.tryLock(0);
}

QString InstanceLock::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("orbivane.lock"));
}

} // namespace orbivane
