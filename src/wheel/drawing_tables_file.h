// Reading HCDATA.DAT and RADIUS.DAT from the program's directory.
#pragma once

#include <QString>

#include "wheel/drawing_tables.h"

namespace orvantis {

// LoadDrawingTables over the files "HCDATA.DAT" and "RADIUS.DAT" in directory; a file that
// cannot be opened is reported with the system's reason.
DrawingTablesLoad LoadDrawingTablesFrom(const QString& directory);

}  // namespace orvantis
