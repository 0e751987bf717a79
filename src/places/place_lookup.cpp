#include "places/place_lookup.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace orvantis {

std::string PlaceLabel(const Place& place) {
    std::string label = place.name;
    if (!place.state.empty() && place.state != place.name) label += ", " + place.state;
    if (!place.country.empty()) label += ", " + place.country;
    return label;
}

QString FoldedForMatching(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (!c.isMark()) folded += c.toCaseFolded();
    return folded;
}

namespace {

bool BeginsWith(const std::string& text, const QString& folded_part) {
    return FoldedForMatching(QString::fromStdString(text)).startsWith(folded_part);
}

}  // namespace

std::vector<Place> FindPlaces(const PlaceLookup& lookup, std::string_view query) {
    QStringList parts = QString::fromUtf8(query.data(), static_cast<qsizetype>(query.size()))
                            .split(QLatin1Char(','));
    for (QString& part : parts) part = FoldedForMatching(part.trimmed());
    if (parts.front().isEmpty()) return {};
    std::vector<Place> places = lookup.PlacesStartingWith(parts.front().toStdString());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].isEmpty()) continue;
        std::erase_if(places, [&](const Place& p) {
            return !BeginsWith(p.state, parts[i]) && !BeginsWith(p.country, parts[i]) &&
                   !BeginsWith(p.name, parts[i]);
        });
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.population > b.population; });
    return places;
}

PackedCoordinates PackCoordinates(double latitude, double longitude) {
    const auto minutes = [](double degrees) {
        return static_cast<long>(std::lround(std::fabs(degrees) * 60));
    };
    PackedCoordinates packed;
    const long lon = minutes(longitude), lat = minutes(latitude);
    packed.long_degrees = static_cast<int>(lon / 60);
    packed.long_minutes = static_cast<int>(lon % 60);
    // A place that rounds to the meridian or the equator takes the usual side: west, north.
    packed.west = longitude < 0 || lon == 0;
    packed.lat_degrees = static_cast<int>(lat / 60);
    packed.lat_minutes = static_cast<int>(lat % 60);
    packed.south = latitude < 0 && lat != 0;
    return packed;
}

}  // namespace orvantis
