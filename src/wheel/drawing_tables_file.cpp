#include "wheel/drawing_tables_file.h"

#include <QDir>
#include <QFile>

namespace orvantis {
namespace {

TableFileText ReadTableFile(const QString& directory, const char* name) {
    TableFileText file;
    file.name = name;
    QFile f(QDir(directory).filePath(QString::fromLatin1(name)));
    if (!f.open(QIODevice::ReadOnly)) {
        file.reason = f.errorString().toStdString();
        return file;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        file.reason = f.errorString().toStdString();
        return file;
    }
    file.text = bytes.toStdString();
    return file;
}

}  // namespace

DrawingTablesLoad LoadDrawingTablesFrom(const QString& directory) {
    return LoadDrawingTables(ReadTableFile(directory, "HCDATA.DAT"),
                             ReadTableFile(directory, "RADIUS.DAT"));
}

}  // namespace orvantis
