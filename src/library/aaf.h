// The Astrological Exchange Format (AAF, 1997): the plain-text chart records many programs and
// chart services read and write. A record is an #A93 chunk (name, first name, type, date, time,
// place, country) and the chunks after it: #B93 (Julian day, latitude 49n05, longitude 8e11,
// zone 1he, summer time), #ZNAM, #COM, #SRC. Text in, text out; files are the caller's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "library/chart_record.h"

namespace orvantis {

struct AafSkipped {
    int line = 0;  // 1-based line of the chunk at fault
    std::string reason;
};

struct AafReading {
    std::vector<ChartRecord> charts;  // in file order; names as the file gives them
    std::vector<AafSkipped> skipped;  // records left out whole, with why
};

// Reads every record it can. A record without a date, clock time, coordinates or zone, or with
// one out of range, is skipped whole and named by its line. Text that is not UTF-8 is read as
// Latin-1, the usual encoding of older files.
AafReading ReadAaf(std::string_view text);

// The records as AAF text (UTF-8, CR LF), #B93 with the Julian day of the moment in Universal
// Time. "Last, First" names go into the two name fields and "Town, Region, Country" places into
// the place ("Town/Region") and country fields, so ReadAaf gives the same charts back; a zone
// name travels in #ZNAM.
std::string WriteAaf(const std::vector<ChartRecord>& charts);

}  // namespace orvantis
