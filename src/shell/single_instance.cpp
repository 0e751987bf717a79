#include "shell/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvantis {
namespace {

// How long a lock file may name no owner before it counts as left over: its writer fills it in
// within microseconds of creating it.
constexpr qint64 kOwnerlessLockGraceMs = 10'000;

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& lock_path) : lock_(lock_path) {
    // Only a dead owner makes a lock stale, never its age: an instance may run for months.
    lock_.setStaleLockTime(0);
    acquired_ = lock_.tryLock(0);
    // A lock file that names no process (empty or garbled: its writer died between creating and
    // filling it, or a power cut lost its text) never goes stale by its owner, and with no age
    // limit it would refuse every later start for good. Once it has stayed ownerless past the
    // grace time it is taken over; the removal fails while a running instance holds the file.
    if (!acquired_ && lock_.error() == QLockFile::LockFailedError &&
        !lock_.getLockInfo(nullptr, nullptr, nullptr)) {
        const QDateTime modified = QFileInfo(lock_path).lastModified();
        const qint64 age = modified.msecsTo(QDateTime::currentDateTime());
        if (modified.isValid() && qAbs(age) > kOwnerlessLockGraceMs && lock_.removeStaleLockFile())
            acquired_ = lock_.tryLock(0);
    }
}

QString SingleInstanceGuard::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + "/orvantis.lock";
}

}  // namespace orvantis
