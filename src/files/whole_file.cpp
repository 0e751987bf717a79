#include "files/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace orvantis {

std::filesystem::path StdPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString QtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::optional<std::string> ReadFileWhole(const QString& path, QString* reason) {
    QFile file(path);
    const QFileInfo info(path);
    QString why;
    std::optional<std::string> bytes;
    // Regular files only: opening a pipe blocks, and a device may never end. A missing file and
    // a folder are refused by QFile, which names the reason.
    if (info.exists() && !info.isFile() && !info.isDir()) {
        why = QStringLiteral("not a regular file");
    } else if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
    } else {
        const QByteArray read = file.readAll();
        if (file.error() == QFileDevice::NoError) bytes = read.toStdString();
        why = file.errorString();
    }
    if (!bytes && reason != nullptr) *reason = why;
    return bytes;
}

bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* reason) {
    QSaveFile file(path);
    QString why;
    bool ok = file.open(QIODevice::WriteOnly);
    if (!ok) {
        why = file.errorString();
    } else {
        // The buffer is flushed here, not left to commit(): commit() of this Qt renames the
        // temporary file over the original even when that last flush fails (a full disk), which
        // would leave a cut-off file. After a cancelled write commit() only removes the
        // temporary file.
        errno = 0;
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            // The file device says "Unknown error" for a short write; the system says why.
            why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
            file.cancelWriting();
        }
        ok = file.commit();
        if (!ok && why.isEmpty()) why = file.errorString();
    }
    if (reason != nullptr) *reason = why;
    return ok;
}

}  // namespace orvantis
