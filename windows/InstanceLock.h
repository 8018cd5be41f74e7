#pragma once

#include <QLockFile>
#include <QString>

namespace orbivane {

// Tells whether another copy of the program runs, through a lock file in the user's runtime
// folder. The lock of a copy that crashed is taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString& path = defaultPath());

    // True when this copy is the only one (it then holds the lock until it ends).
    bool acquire();

    static QString defaultPath();

private:
    QLockFile lock_;
};

} // namespace orbivane
