// Options > Home place: the home place by name or by coordinates, and its zone, written into the
// home place lines of OPTIONS.OPT (the raw options editor keeps everything else).
#pragma once

#include <QDialog>

#include "chart/problem.h"
#include "places/place_lookup.h"
#include "settings/option_values.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace orvantis {

class PlaceField;

class HomePlaceWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the home place of `options` and `zone_name` (line 131; "" for the hours of line 18).
    HomePlaceWindow(const OptionValues& options, const std::string& zone_name,
                    const PlaceLookup* places, const QString& options_path, Notifier& notifier,
                    QWidget* parent = nullptr);

    // Writes the options file; false, with the reason told, when the entry or the file fails.
    bool onSave();

private:
    void FillPlace(const Place& place);

    QString options_path_;
    Notifier& notifier_;
    PlaceField* place_edit_ = nullptr;
    QSpinBox *long_degrees_ = nullptr, *long_minutes_ = nullptr, *lat_degrees_ = nullptr,
             *lat_minutes_ = nullptr;
    QComboBox *east_west_ = nullptr, *north_south_ = nullptr;
    QLineEdit* zone_edit_ = nullptr;
    bool filling_ = false;  // the boxes are being set from a chosen town
};

}  // namespace orvantis
