// The atlas of libgeonames, a GLib C library with its town table compiled in.
#include <geonames.h>

#include "places/place_lookup.h"

namespace orvantis {
namespace {

std::string Text(const gchar* text) {
    return text ? std::string(text) : std::string();
}

class GeonamesLookup : public PlaceLookup {
public:
    std::vector<Place> PlacesStartingWith(std::string_view prefix) const override {
        const std::string query(prefix);
        guint count = 0;
        GError* error = nullptr;
        gint* found = geonames_query_cities_sync(query.c_str(), GEONAMES_QUERY_DEFAULT, &count,
                                                 nullptr, &error);
        std::vector<Place> places;
        if (error) g_error_free(error);
        if (!found) return places;
        places.reserve(count);
        for (guint i = 0; i < count; ++i) {
            GeonamesCity* city = geonames_get_city(found[i]);
            if (!city) continue;
            places.push_back(
                {Text(geonames_city_get_name(city)), Text(geonames_city_get_state(city)),
                 Text(geonames_city_get_country(city)), Text(geonames_city_get_timezone(city)),
                 geonames_city_get_latitude(city), geonames_city_get_longitude(city),
                 static_cast<long long>(geonames_city_get_population(city))});
            geonames_city_free(city);
        }
        g_free(found);
        return places;
    }
};

}  // namespace

std::unique_ptr<PlaceLookup> SystemPlaceLookup() {
    if (geonames_get_n_cities() <= 0) return nullptr;
    return std::make_unique<GeonamesLookup>();
}

}  // namespace orvantis
