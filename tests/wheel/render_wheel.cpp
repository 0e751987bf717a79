// orvantis-wheel-render: paints one wheel into a PNG through the QPainter surface, the way the
// window paints it, for looking at the wheel and for the render script.
//
//   orvantis-wheel-render OUT.png [size=WxH] [layout=0|1] [mono=1] [page=1] [data=DIR]
//       [font=FILE] (chart=NAME | date=YYYY-MM-DD time=HH:MM zone=H lon=D.MM(E|W)
//       lat=D.MM(N|S) [house=P]) [title=TEXT]
//   orvantis-wheel-render --write-tables DIR      writes the built-in HCDATA.DAT and RADIUS.DAT
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "aspects/aspect_grid.h"
#include "aspects/aspect_lines.h"
#include "aspects/orb_file.h"
#include "chart/chart_driver.h"
#include "settings/lenient_number.h"
#include "settings/options_file.h"
#include "wheel/drawing_tables_file.h"
#include "wheel/qpainter_surface.h"
#include "wheel_charts.h"

using namespace orvantis;

namespace {

class PrintingNotifier : public Notifier {
public:
    void Notify(const Problem& p) override {
        std::fprintf(stderr, "%s: %s\n", p.title.c_str(), p.text.c_str());
    }
};

double Number(const std::string& text) {
    return LenientNumber(text);
}

OptionValues ReadOptions(const QString& path) {
    OptionValues options{};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: using the test options\n", qPrintable(path));
        return test::TestOptions();
    }
    ReadOptionsFile(file.readAll().toStdString(), options);
    return options;
}

bool WriteTables(const QString& dir) {
    const DrawingTables t = BuiltInDrawingTables();
    const std::string hc = FormatTableFile(t.HouseCaptionTable.data(), kHouseCaptionTableSize);
    const std::string rd = FormatTableFile(t.RadiusTable.data(), kRadiusTableSize);
    for (const auto& [name, text] : {std::pair{"HCDATA.DAT", hc}, std::pair{"RADIUS.DAT", rd}}) {
        QFile f(dir + "/" + name);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(text.data(), static_cast<qint64>(text.size())) !=
                static_cast<qint64>(text.size()))
            return false;
    }
    return true;
}

// D.MM followed by a direction letter; returns degrees, minutes and whether the letter is the
// negative direction (E or S).
void Place(const std::string& text, std::int16_t& deg, std::int16_t& min, std::int16_t& flag,
           char negative) {
    const double v = Number(text);
    deg = static_cast<std::int16_t>(v);
    min = static_cast<std::int16_t>(std::lround((v - deg) * 100));
    flag = !text.empty() && std::toupper(static_cast<unsigned char>(text.back())) == negative;
}

bool RealChart(const std::map<std::string, std::string>& arg, const OptionValues& options,
               test::HandChart& out) {
    ElectionData e;
    const std::string date = arg.at("date");
    e.ElectYear = static_cast<std::int16_t>(Number(date.substr(0, 4)));
    e.ElectMonth = static_cast<std::int16_t>(Number(date.substr(5, 2)));
    e.ElectDay = static_cast<std::int16_t>(Number(date.substr(8, 2)));
    const std::string time = arg.count("time") ? arg.at("time") : "12:00";
    const int hour24 = static_cast<int>(Number(time.substr(0, 2)));
    e.ElectMinute = static_cast<std::int16_t>(Number(time.substr(3, 2)));
    e.ElectHour = static_cast<std::int16_t>(hour24 == 0 ? 12 : hour24 > 12 ? hour24 - 12 : hour24);
    e.ElectPM = hour24 >= 12;
    e.ElectZone = static_cast<float>(arg.count("zone") ? Number(arg.at("zone")) : 0);
    std::int16_t east = 0;
    Place(arg.count("lon") ? arg.at("lon") : "0W", e.ElectLongDeg, e.ElectLongMin, east, 'E');
    e.ElectWest = east ? 0 : 1;
    Place(arg.count("lat") ? arg.at("lat") : "51.29N", e.ElectLatDeg, e.ElectLatMin, e.ElectSouth,
          'S');
    e.ElectEvent = arg.count("title") ? arg.at("title") : "Chart";
    ChartRequest request;
    request.house_system = arg.count("house") ? arg.at("house")[0] : 'P';
    request.running = false;
    PrintingNotifier notifier;
    if (!ComputeChart(out.chart, e, options, request, notifier)) return false;
    for (int i = 1; i <= kBodyCount; ++i) out.shown.BodyLongitude[i] = out.chart.PlanetLong[i];
    for (int i = 1; i <= 12; ++i) out.shown.HouseCusps[i] = out.chart.Cusps[i];
    out.shown.RetroMarksShown = out.chart.RetroMarks;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--write-tables")
        return WriteTables(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvantis-wheel-render OUT.png [key=value ...]\n");
        return 2;
    }
    std::map<std::string, std::string> arg;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        const auto eq = a.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "not key=value: %s\n", a.c_str());
            return 2;
        }
        arg[a.substr(0, eq)] = a.substr(eq + 1);
    }
    auto get = [&](const char* key, const char* fallback) {
        return arg.count(key) ? arg.at(key) : std::string(fallback);
    };

    const QString data = QString::fromStdString(get("data", ORVANTIS_BUILD_DIR));
    const QString font = QString::fromStdString(get("font", ORVANTIS_BUILD_DIR "/querna.ttf"));
    if (QFontDatabase::addApplicationFont(font) < 0)
        std::fprintf(stderr, "font %s not registered: glyphs fall back\n", qPrintable(font));

    const OptionValues options = ReadOptions(data + "/OPTIONS.OPT");
    const DrawingTablesLoad tables = LoadDrawingTablesFrom(data);
    for (const Problem& p : tables.problems) std::fprintf(stderr, "%s\n", p.text.c_str());

    test::HandChart hc;
    if (arg.count("date")) {
        if (!RealChart(arg, options, hc)) return 1;
    } else if (!test::NamedHandChart(get("chart", "ordinary"), hc)) {
        std::fprintf(stderr, "unknown chart %s\n", get("chart", "").c_str());
        return 2;
    }

    const std::string size = get("size", "1024x768");
    const int width = static_cast<int>(Number(size));
    const int height = static_cast<int>(Number(size.substr(size.find('x') + 1)));
    const bool page = get("page", "0") == "1";

    WheelInputs in{hc.chart, hc.shown, options, tables.tables};
    in.TypeChart = static_cast<int>(Number(get("layout", "0")));
    // StartScale as the window's resize rule sets it: 228·w/h, or 244 for a tall window.
    in.StartScale =
        width >= height ? static_cast<int>(std::nearbyint(228.0 * width / height)) : 244;
    in.style = page ? PrinterPageWheelStyle() : WindowWheelStyle(get("mono", "0") == "1");
    // The aspect lines and the page's grid, as the main window hooks them in.
    const AspectLineTarget target{in.style.PrinterOutput, in.style.MonochromeDrawing};
    in.draw_aspect_lines = [&](DrawingContext& dc, const BodyAngles& angles) {
        DrawAspectLines(dc, hc.shown.BodyLongitude, angles, options, target);
    };
    OrbValues orbs{};
    if (auto problem = LoadOrbFile((data + "/NATAL.ORB").toStdString(), orbs))
        std::fprintf(stderr, "%s\n", problem->text.c_str());
    in.print_aspect_grid = [&](DrawingContext& dc) {
        PrintAspectGrid(dc, hc.shown.BodyLongitude, orbs, options);
    };

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (page) {
        // A page at 150 dpi: QImage's resolution decides how big the points are.
        image.setDotsPerMeterX(static_cast<int>(150 / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(150 / 0.0254));
    }
    const int runs = static_cast<int>(Number(get("runs", "1")));
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < std::max(1, runs); ++r) {
        QPainter painter(&image);
        PaintWheelOn(painter, QRectF(0, 0, width, height), in);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (runs > 1) {
        std::printf("%.3f ms a paint\n",
                    std::chrono::duration<double, std::milli>(elapsed).count() / runs);
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
