// Places by name: the narrowing of typed queries over a few known towns, the rounding to the
// minute, and the system's atlas itself where its data is installed.
#include "places/place_lookup.h"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

// Five towns as the atlas holds them, in no particular order; the prefix rule of the atlas
// (any word of the name, any case).
class KnownPlaces : public PlaceLookup {
public:
    std::vector<Place> PlacesStartingWith(std::string_view prefix) const override {
        const std::vector<Place> all = {
            {"London", "Ontario", "Canada", "America/Toronto", 42.98339, -81.23304, 346765},
            {"London", "England", "United Kingdom", "Europe/London", 51.50853, -0.12574, 8961989},
            {"Springfield", "Illinois", "United States", "America/Chicago", 39.80, -89.64, 114394},
            {"Springfield", "Missouri", "United States", "America/Chicago", 37.21, -93.29, 169176},
            {"São Paulo", "São Paulo", "Brazil", "America/Sao_Paulo", -23.5475, -46.63611,
             10021295},
            {"East London", "Eastern Cape", "South Africa", "Africa/Johannesburg", -33.0, 27.9,
             478676},
        };
        const QString folded = FoldedForMatching(QString::fromUtf8(prefix.data(), prefix.size()));
        std::vector<Place> found;
        for (const Place& p : all)
            if ((" " + FoldedForMatching(QString::fromStdString(p.name))).contains(" " + folded))
                found.push_back(p);
        return found;
    }
};

TEST(FindPlaces, WordsAfterACommaNarrowByStateOrCountry) {
    const struct {
        const char* query;
        std::vector<std::string> zones;  // of the places found, in order
    } cases[] = {
        {"london", {"Europe/London", "Africa/Johannesburg", "America/Toronto"}},
        {"London, Ontario", {"America/Toronto"}},
        {"London,ont", {"America/Toronto"}},
        {"london, united", {"Europe/London"}},
        {"Springfield, Illinois", {"America/Chicago"}},
        {"Springfield, Illinois, United States", {"America/Chicago"}},
        {"springfield, texas", {}},
        {"SAO PAULO", {"America/Sao_Paulo"}},
        {"são, sao", {"America/Sao_Paulo"}},
        {"London, ", {"Europe/London", "Africa/Johannesburg", "America/Toronto"}},
        {" , London", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> zones;
        for (const Place& p : FindPlaces(KnownPlaces(), c.query)) zones.push_back(p.zone);
        EXPECT_EQ(zones, c.zones) << c.query;
    }
    EXPECT_EQ(PlaceLabel(FindPlaces(KnownPlaces(), "Springfield, Ill").front()),
              "Springfield, Illinois, United States");
}

TEST(PackCoordinates, RoundsToTheMinuteWithTheHemispheres) {
    const struct {
        double latitude, longitude;
        PackedCoordinates packed;
    } cases[] = {
        {22.56263, 88.36304, {88, 22, false, 22, 34, false}},    // Kolkata
        {-33.86785, 151.20732, {151, 12, false, 33, 52, true}},  // Sydney
        {51.50853, -0.12574, {0, 8, true, 51, 31, false}},       // London
        {10.99999, -179.99999, {180, 0, true, 11, 0, false}},    // 59.9994' carries
        {-0.004, 0.004, {0, 0, true, 0, 0, false}},              // rounds to 0: west, north
    };
    for (const auto& c : cases) {
        const PackedCoordinates p = PackCoordinates(c.latitude, c.longitude);
        EXPECT_EQ(std::tuple(p.long_degrees, p.long_minutes, p.west, p.lat_degrees, p.lat_minutes,
                             p.south),
                  std::tuple(c.packed.long_degrees, c.packed.long_minutes, c.packed.west,
                             c.packed.lat_degrees, c.packed.lat_minutes, c.packed.south))
            << c.latitude << " " << c.longitude;
    }
}

TEST(SystemAtlas, FindsKolkataAndLondon) {
    const auto atlas = SystemPlaceLookup();
    if (!atlas) GTEST_SKIP() << "libgeonames has no towns here";
    const auto kolkata = FindPlaces(*atlas, "Kolk");
    ASSERT_FALSE(kolkata.empty());
    EXPECT_EQ(kolkata.front().zone, "Asia/Kolkata");
    const auto london = FindPlaces(*atlas, "London, Ontario");
    ASSERT_FALSE(london.empty());
    EXPECT_EQ(london.front().zone, "America/Toronto");
    EXPECT_EQ(FindPlaces(*atlas, "london").front().country, "United Kingdom");
}

}  // namespace
}  // namespace orvantis
