#include "files/data_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

#include "settings/ini_file.h"
#include "settings/options_file.h"

namespace orvantis {
namespace {

bool HoldsShippedFiles(const QString& dir) {
    return !dir.isEmpty() && QFileInfo::exists(dir + '/' + QLatin1String(kMasterOptionsFileName));
}

}  // namespace

DataFolders ChooseDataFolders(const QString& program_dir, const QStringList& shared_dirs,
                              const QString& config_dir) {
    if (HoldsShippedFiles(program_dir)) {
        if (QFileInfo(program_dir).isWritable()) return {program_dir, program_dir};
        return {config_dir, program_dir};
    }
    for (const QString& dir : shared_dirs)
        if (HoldsShippedFiles(dir)) return {config_dir, QDir::cleanPath(dir)};
    // Nothing found: the messages about missing files then name the program's folder.
    return {config_dir, program_dir};
}

DataFolders SystemDataFolders(const QString& program_dir) {
    QStringList shared{program_dir + QLatin1String("/" ORVANTIS_SHARED_FROM_BIN)};
    shared +=
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("orvantis"),
                                  QStandardPaths::LocateDirectory);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/orvantis");
    return ChooseDataFolders(program_dir, shared, config);
}

std::optional<Problem> SeedSettings(const DataFolders& folders) {
    if (QDir(folders.settings) == QDir(folders.shipped)) return std::nullopt;
    if (!QDir().mkpath(folders.settings))
        return Warning("Cannot create the settings folder " +
                           QDir::toNativeSeparators(folders.settings).toStdString(),
                       Icon::kExclamation);
    const std::pair<const char*, const char*> masters[] = {
        {kMasterOptionsFileName, kOptionsFileName},
        {"NATAL.ORB", "NATAL.ORB"},
        {"TRANSIT.ORB", "TRANSIT.ORB"},
        {kIniFileName, kIniFileName},
    };
    for (const auto& [master, name] : masters) {
        const QString from = folders.shipped + '/' + QLatin1String(master);
        const QString to = folders.settings + '/' + QLatin1String(name);
        if (QFileInfo::exists(to) || !QFileInfo::exists(from)) continue;
        // QFile::copy writes a temporary file and renames it: never half a file. The copy
        // keeps the shipped file's read-only mode, which the user's own file must not.
        QFile copy(from);
        if (!copy.copy(to) ||
            !QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner))
            return Warning("Cannot copy " + QDir::toNativeSeparators(from).toStdString() + " to " +
                               QDir::toNativeSeparators(to).toStdString() + ": " +
                               copy.errorString().toStdString(),
                           Icon::kExclamation);
    }
    return std::nullopt;
}

}  // namespace orvantis
