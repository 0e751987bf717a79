// The Qt side's file edge: whole files read and written, and the one conversion between Qt's
// file names and the standard library's paths.
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

namespace orvantis {

// The standard library's path of a Qt file name: the very bytes QFile opens, so the core's
// reader and the windows find the same file whatever the locale.
std::filesystem::path StdPath(const QString& path);

// The Qt file name of a path (a command-line argument, the program's folder): the reverse of
// StdPath. Bytes that are no valid UTF-8 come back as U+FFFD.
QString QtPath(const std::filesystem::path& path);

// The whole content of the file at path, byte for byte; nullopt when it cannot be opened or
// read (missing, a folder, no permission), with the system's reason in *reason when reason is
// not null.
std::optional<std::string> ReadFileWhole(const QString& path, QString* reason = nullptr);

// Replaces the file at path with bytes through a temporary file beside it that is renamed over
// the original only when it was written whole: a full disk, a missing permission or a folder in
// the way leave the old file untouched. False on failure, with the system's reason in *reason
// when reason is not null. Every save of the program goes through here.
bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

}  // namespace orvantis
