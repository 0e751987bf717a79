#include "shell/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace orvantis {

SingleInstanceGuard::SingleInstanceGuard(const QString& lock_path) : lock_(lock_path) {
    // Only a dead owner makes a lock stale, never its age: an instance may run for months.
    lock_.setStaleLockTime(0);
    acquired_ = lock_.tryLock(0);
}

QString SingleInstanceGuard::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + "/orvantis.lock";
}

}  // namespace orvantis
