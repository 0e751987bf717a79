// Conformance values of this program's own formulas, not reference truth: the full-precision
// chart at four moments (1903 to 2088, both hemispheres, east and west, one polar), every body
// and the cusps of all eight house systems, printed with %.17g by this program. Any change of a
// series term, a constant or the order of evaluation shows here at the last digit, where the
// envelope against Swiss Ephemeris cannot see it. If a change is meant, regenerate the table and
// say why in the commit.
#include <gtest/gtest.h>

#include <array>

#include "chart/chart_driver.h"

namespace orvantis {
namespace {

class NoMessages : public Notifier {
public:
    void Notify(const Problem&) override { ADD_FAILURE() << "unexpected message"; }
};

struct Moment {
    int year, month, day, hour, minute, pm;
    float zone;
    int long_deg, long_min, west, lat_deg, lat_min, south;
};

struct HouseRow {
    char system;
    std::array<double, 12> cusps;  // houses 1..12
};

struct Row {
    Moment moment;
    // Sun .. Pluto, Moon, mean node (bodies 1..11), then the true node, Ascendant and MC.
    std::array<double, 14> bodies;
    HouseRow first, second;
};

const Row kRows[] = {
    {
        {1903, 7, 14, 3, 25, 0, 0, 0, 10, 1, 51, 30, 0},
        {110.51268498026324, 96.541987118322268, 155.94799484728094, 197.14797931675477,
         353.31063346830541, 307.18010243306094, 262.55545030360724, 94.083652659810411,
         79.933203922858311, 338.68236518927574, 190.89165634705216, 190.14673958718683,
         102.76894102945317, 340.39734214283106},
        'P',
        {102.76894102945317, 118.45949843622354, 136.45029234889526, 160.39734214283112,
         195.7734943310443, 242.92634960444298, 282.76894102945317, 298.45949843622356,
         316.45029234889523, 340.39734214283112, 15.773494331044276, 62.926349604442976},
        'K',
        {102.76894102649757, 122.85270711416902, 141.69403255425519, 160.39734215445174,
         220.46952077225092, 258.31944751821987, 282.76894102237071, 302.85270711048133,
         321.69403255066288, 340.39734214283129, 40.469520781871957, 78.319447523760701},
    },
    {
        {1969, 7, 20, 8, 17, 1, 4, 73, 58, 1, 40, 45, 0},
        {118.06893813453759, 116.21462670193951, 75.229014059680821, 242.80590224564321,
         180.77401932587554, 38.10461859783868, 180.69740260745226, 236.02351080193327,
         173.00621104674403, 189.99044692046942, 353.96869268875616, 352.59443667141204,
         297.90786997364103, 231.30662981878353},
        'R',
        {297.90786997466716, 342.27056613074342, 24.910764248430368, 51.306629815142813,
         70.453054460167209, 89.998480786156605, 117.90786996854358, 162.27056612229083,
         204.91076424268289, 231.30662981150201, 250.45305445703892, 269.99848078236852},
        'C',
        {297.90787153870428, 354.0975195133455, 31.640606263916979, 51.306630348485314,
         66.574142718565454, 84.827208884106653, 117.90787152449761, 174.09751949618098,
         211.64060625444188, 231.30663034936791, 246.57414271904298, 264.82720888370937},
    },
    {
        {2024, 4, 8, 11, 7, 0, -10, 151, 12, 0, 33, 52, 1},
        {18.693862723368976, 25.245281939840801, 3.5694726571800883, 342.5021189374184,
         48.901156926929126, 344.38683325452018, 51.139509156065671, 358.17813971819737,
         301.91805904355499, 8.5882629882322448, 15.684922750047917, 15.537283331751951,
         79.145824119129088, 5.1656093569710269},
        'O',
        {79.145824119129088, 114.48575253174306, 149.82568094435703, 185.16560935697106,
         209.82568094435706, 234.48575253174306, 259.14582411912909, 294.48575253174306,
         329.82568094435703, 5.1656093569710606, 29.825680944357032, 54.48575253174306},
        'E',
        {79.145824119129088, 109.14582411912909, 139.14582411912909, 169.14582411912909,
         199.14582411912909, 229.14582411912909, 259.14582411912909, 289.14582411912909,
         319.14582411912909, 349.14582411912909, 19.145824119129088, 49.145824119129088},
    },
    {
        {2088, 12, 31, 11, 59, 1, -1, 15, 38, 0, 78, 13, 0},
        {281.24511868798527, 287.03938878125138, 328.15706510067378, 141.97974013706656,
         223.48327322930402, 50.806692638776994, 335.06060313817352, 142.77483456071872,
         21.356075026075025, 156.06837335701246, 203.65130745432589, 204.07380422291635,
         184.14767456372971, 100.79001193230711},
        'M',
        {192.75467856663357, 224.19133002159853, 253.15065887235679, 280.79001192755538,
         309.29979522371718, 340.21521322286259, 12.754678561069786, 44.191330016422178,
         73.150658867561674, 100.7900119228037, 129.29979521864092, 160.2152132173571},
        'I',
        {190.79001193250366, 219.29979522882769, 250.21521322818765, 282.75467856127926,
         314.19133001643797, 343.15065886738682, 10.790011927751939, 39.29979522375146,
         70.215213222682237, 102.7546785557155, 134.19133001126158, 163.15065886259171},
    },
};

ChartState ChartAt(const Moment& m, char system) {
    ElectionData e;
    e.ElectYear = static_cast<std::int16_t>(m.year);
    e.ElectMonth = static_cast<std::int16_t>(m.month);
    e.ElectDay = static_cast<std::int16_t>(m.day);
    e.ElectHour = static_cast<std::int16_t>(m.hour);
    e.ElectMinute = static_cast<std::int16_t>(m.minute);
    e.ElectPM = static_cast<std::int16_t>(m.pm);
    e.ElectZone = m.zone;
    e.ElectLongDeg = static_cast<std::int16_t>(m.long_deg);
    e.ElectLongMin = static_cast<std::int16_t>(m.long_min);
    e.ElectWest = static_cast<std::int16_t>(m.west);
    e.ElectLatDeg = static_cast<std::int16_t>(m.lat_deg);
    e.ElectLatMin = static_cast<std::int16_t>(m.lat_min);
    e.ElectSouth = static_cast<std::int16_t>(m.south);
    ChartRequest request;
    request.running = false;
    request.house_system = system;
    NoMessages notifier;
    ChartState chart;
    EXPECT_TRUE(ComputeChart(chart, e, OptionValues{}, request, notifier));
    return chart;
}

TEST(ChartRegression, EveryBodyAndEveryHouseSystemToTheLastDigit) {
    for (const Row& row : kRows) {
        for (const HouseRow& houses : {row.first, row.second}) {
            const ChartState c = ChartAt(row.moment, houses.system);
            for (int house = 1; house <= 12; ++house)
                EXPECT_EQ(c.Cusps[CuspPosition(house)], houses.cusps[house - 1])
                    << row.moment.year << " " << houses.system << " house " << house;
            for (int body = kSun; body <= kNode; ++body)
                EXPECT_EQ(c.PlanetLong[body], row.bodies[body - 1])
                    << row.moment.year << " body " << body;
            EXPECT_EQ(c.TrueNodeLongitude, row.bodies[11]) << row.moment.year;
            EXPECT_EQ(c.Ascendant, row.bodies[12]) << row.moment.year;
            EXPECT_EQ(c.MC, row.bodies[13]) << row.moment.year;
            // Body 14 is the Ascendant itself, not the 1st cusp (Meridian and Morinus differ).
            EXPECT_EQ(c.PlanetLong[kAscendantBody], c.Ascendant) << houses.system;
        }
    }
}

}  // namespace
}  // namespace orvantis
