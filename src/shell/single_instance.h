// One running Orvantis per user: a lock file that a crashed instance does not leave stuck (the
// lock names its process, and a lock whose process is gone is taken over).
#pragma once

#include <QLockFile>
#include <QString>

namespace orvantis {

class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& lock_path);
    // True when this process holds the lock: no other instance runs.
    bool Acquired() const { return acquired_; }

    // The lock file of the user running this process.
    static QString DefaultLockPath();

private:
    QLockFile lock_;
    bool acquired_ = false;
};

}  // namespace orvantis
