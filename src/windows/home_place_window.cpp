#include "windows/home_place_window.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <charconv>

#include "chart/election_validation.h"
#include "files/whole_file.h"
#include "settings/home_place_lines.h"
#include "settings/option_lines.h"
#include "windows/place_field.h"
#include "zones/zone_names.h"

namespace orvantis {
namespace {

constexpr const char* kTitle = "Home place";

QSpinBox* NumberBox(QWidget* parent, const char* name, int most, float value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, most);
    box->setValue(static_cast<int>(value));
    return box;
}

}  // namespace

HomePlaceWindow::HomePlaceWindow(const OptionValues& options, const std::string& zone_name,
                                 const PlaceLookup* places, const QString& options_path,
                                 Notifier& notifier, QWidget* parent)
    : QDialog(parent), options_path_(options_path), notifier_(notifier) {
    setObjectName(QStringLiteral("homePlaceWindow"));
    setWindowTitle(QString::fromLatin1(kTitle));
    const HomeLocation home = HomePlace(options);

    place_edit_ = new PlaceField(this);
    place_edit_->setObjectName(QStringLiteral("homePlaceEdit"));
    place_edit_->SetLookup(places);
    connect(place_edit_, &PlaceField::placeChosen, this, &HomePlaceWindow::FillPlace);

    long_degrees_ = NumberBox(this, "homeLongitudeDegreesBox", 180, home.long_degrees);
    long_minutes_ = NumberBox(this, "homeLongitudeMinutesBox", 59, home.long_minutes);
    lat_degrees_ = NumberBox(this, "homeLatitudeDegreesBox", 89, home.lat_degrees);
    lat_minutes_ = NumberBox(this, "homeLatitudeMinutesBox", 59, home.lat_minutes);
    east_west_ = new QComboBox(this);
    east_west_->setObjectName(QStringLiteral("homeEastWestBox"));
    east_west_->addItems({QStringLiteral("E"), QStringLiteral("W")});
    east_west_->setCurrentIndex(home.west ? 1 : 0);
    north_south_ = new QComboBox(this);
    north_south_->setObjectName(QStringLiteral("homeNorthSouthBox"));
    north_south_->addItems({QStringLiteral("N"), QStringLiteral("S")});
    north_south_->setCurrentIndex(home.south ? 1 : 0);
    zone_edit_ = new QLineEdit(this);
    zone_edit_->setObjectName(QStringLiteral("homeZoneEdit"));
    zone_edit_->setText(zone_name.empty() ? QString::fromStdString(ZoneHoursText(home.zone))
                                          : QString::fromStdString(zone_name));
    auto* zone_names = new QCompleter(ZoneNames(), zone_edit_);
    zone_names->setCaseSensitivity(Qt::CaseInsensitive);
    zone_names->setFilterMode(Qt::MatchContains);
    zone_edit_->setCompleter(zone_names);
    // Typed coordinates are no longer the chosen town's.
    for (QSpinBox* box : {long_degrees_, long_minutes_, lat_degrees_, lat_minutes_})
        connect(box, &QSpinBox::valueChanged, place_edit_, [this] {
            if (!filling_) place_edit_->clear();
        });

    const auto row = [this](QWidget* degrees, QWidget* minutes, QWidget* side) {
        auto* line = new QHBoxLayout;
        line->addWidget(degrees);
        line->addWidget(minutes);
        line->addWidget(side);
        line->addStretch();
        return line;
    };
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Place"), place_edit_);
    form->addRow(QStringLiteral("Longitude (degrees, minutes)"),
                 row(long_degrees_, long_minutes_, east_west_));
    form->addRow(QStringLiteral("Latitude (degrees, minutes)"),
                 row(lat_degrees_, lat_minutes_, north_south_));
    form->addRow(QStringLiteral("Time zone (name, or hours west)"), zone_edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (onSave()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addWidget(buttons);
    setMinimumWidth(520);
}

void HomePlaceWindow::FillPlace(const Place& place) {
    const PackedCoordinates p = PackCoordinates(place.latitude, place.longitude);
    filling_ = true;
    long_degrees_->setValue(p.long_degrees);
    long_minutes_->setValue(p.long_minutes);
    east_west_->setCurrentIndex(p.west ? 1 : 0);
    lat_degrees_->setValue(p.lat_degrees);
    lat_minutes_->setValue(p.lat_minutes);
    north_south_->setCurrentIndex(p.south ? 1 : 0);
    zone_edit_->setText(QString::fromStdString(place.zone));
    filling_ = false;
}

bool HomePlaceWindow::onSave() {
    const std::string zone = zone_edit_->text().trimmed().toStdString();
    HomeLocation home;
    home.long_degrees = static_cast<float>(long_degrees_->value());
    home.long_minutes = static_cast<float>(long_minutes_->value());
    home.west = east_west_->currentIndex() == 1;
    home.lat_degrees = static_cast<float>(lat_degrees_->value());
    home.lat_minutes = static_cast<float>(lat_minutes_->value());
    home.south = north_south_->currentIndex() == 1;
    std::string zone_name;
    if (IsZoneName(zone)) {
        const auto named = NamedZone::Find(zone);
        if (!named) {
            notifier_.Notify({kTitle, "\"" + zone + "\" is not a time zone of the tz database.",
                              Icon::kExclamation});
            return false;
        }
        zone_name = named->Name();
        // Line 18 keeps the offset in force now, for readers of the hours alone.
        home.zone = named->HoursAt(
            std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    } else {
        float hours = 0;
        const auto [end, error] = std::from_chars(zone.data(), zone.data() + zone.size(), hours);
        if (zone.empty() || error != std::errc() || end != zone.data() + zone.size() ||
            hours < -13 || hours > 12) {
            notifier_.Notify({kTitle,
                              "The time zone is a name such as Europe/London, or hours west of "
                              "Greenwich from -13 to 12.",
                              Icon::kExclamation});
            return false;
        }
        home.zone = hours;
    }
    if (home.long_degrees == 180 && home.long_minutes > 0) home.long_minutes = 0;

    QString reason;
    const auto text = ReadFileWhole(options_path_, &reason);
    const auto changed = text ? WithHomePlace(*text, home, zone_name) : std::nullopt;
    if (!changed) {
        notifier_.Notify({kTitle,
                          text ? "OPTIONS.OPT lacks some of its 130 lines: restore it first."
                               : "OPTIONS.OPT cannot be read: " + reason.toStdString(),
                          Icon::kExclamation});
        return false;
    }
    if (!WriteFileWhole(options_path_,
                        QByteArray(changed->data(), static_cast<qsizetype>(changed->size())),
                        &reason)) {
        notifier_.Notify(
            {kTitle, "OPTIONS.OPT not saved: " + reason.toStdString(), Icon::kExclamation});
        return false;
    }
    return true;
}

}  // namespace orvantis
