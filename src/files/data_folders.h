// Where the program's files are: the user's own files, which the program writes, and the shipped
// read-only ones.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "chart/problem.h"

namespace orvantis {

struct DataFolders {
    QString settings;  // OPTIONS.OPT, the orb files, ORVANTIS.INI: the user's own
    QString shipped;   // help texts, querna.ttf, HCDATA.DAT, RADIUS.DAT, OPTIONS.MAS: read only
};

// The folders of a program in program_dir. A program folder that holds the shipped files and may
// be written to (a build folder, an unpacked copy) serves as both, so a build runs in place.
// Otherwise the shipped files come from the program folder or the first of shared_dirs that
// holds them, and the user's files live in config_dir. Looks at the folders, changes nothing.
DataFolders ChooseDataFolders(const QString& program_dir, const QStringList& shared_dirs,
                              const QString& config_dir);

// ChooseDataFolders for this system: <prefix>/share/orvantis beside the program's bin folder,
// then the XDG data folders; the user's files in the XDG config folder (~/.config/orvantis).
DataFolders SystemDataFolders(const QString& program_dir);

// Gives a settings folder apart from the shipped one what it lacks of the shipped masters:
// OPTIONS.OPT (from OPTIONS.MAS), NATAL.ORB, TRANSIT.ORB and ORVANTIS.INI where one is shipped. The
// user's files already there are never replaced. Returns the problem of a folder or copy that
// failed.
std::optional<Problem> SeedSettings(const DataFolders& folders);

}  // namespace orvantis
