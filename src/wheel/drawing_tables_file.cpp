#include "wheel/drawing_tables_file.h"

#include <QDir>

#include "files/whole_file.h"

namespace orvantis {
namespace {

TableFileText ReadTableFile(const QString& directory, const char* name) {
    TableFileText file;
    file.name = name;
    QString reason;
    file.text = ReadFileWhole(QDir(directory).filePath(QString::fromLatin1(name)), &reason);
    if (!file.text) file.reason = reason.toStdString();
    return file;
}

}  // namespace

DrawingTablesLoad LoadDrawingTablesFrom(const QString& directory) {
    return LoadDrawingTables(ReadTableFile(directory, "HCDATA.DAT"),
                             ReadTableFile(directory, "RADIUS.DAT"));
}

}  // namespace orvantis
