// Places by name: towns with their coordinates, population and tz database zone, behind one small
// interface so the windows and the command line do not depend on where the atlas comes from.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

struct Place {
    std::string name, state, country;  // UTF-8; state may be ""
    std::string zone;                  // tz database name ("Asia/Kolkata")
    double latitude = 0;               // degrees, north positive
    double longitude = 0;              // degrees, east positive
    long long population = 0;
};

class PlaceLookup {
public:
    virtual ~PlaceLookup() = default;
    // The places whose name (or a word of it) begins with `prefix`, any case, most populous
    // first. Empty when nothing matches.
    virtual std::vector<Place> PlacesStartingWith(std::string_view prefix) const = 0;
};

// "Town, State, Country" (the state left out when there is none).
std::string PlaceLabel(const Place& place);

// A query as users type it: "London", "London, Ontario", "Springfield, Illinois, United States".
// The text before the first comma goes to the lookup; each further part keeps the places whose
// state, country or name begins with it (any case, accents ignored). Most populous first.
std::vector<Place> FindPlaces(const PlaceLookup& lookup, std::string_view query);

// The atlas of the system's libgeonames (about 24,000 towns); nullptr when it is not usable.
std::unique_ptr<PlaceLookup> SystemPlaceLookup();

// A place's coordinates as the election record takes them: whole degrees and minutes of arc,
// rounded to the nearest minute, and the hemispheres.
struct PackedCoordinates {
    int long_degrees = 0, long_minutes = 0;
    bool west = false;
    int lat_degrees = 0, lat_minutes = 0;
    bool south = false;
};
PackedCoordinates PackCoordinates(double latitude, double longitude);

// Text folded for matching: lower case, accents removed ("São" matches "sao").
QString FoldedForMatching(const QString& text);

}  // namespace orvantis
