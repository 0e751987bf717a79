// A text box for a place by name: as the user types, a list of "Town, State, Country" (most
// populous first) drops down; choosing one reports the place.
#pragma once

#include <QLineEdit>
#include <vector>

#include "places/place_lookup.h"

class QCompleter;
class QStringListModel;

namespace orvantis {

class PlaceField : public QLineEdit {
    Q_OBJECT

public:
    explicit PlaceField(QWidget* parent = nullptr);
    // The atlas to search; without one the box is plain text.
    void SetLookup(const PlaceLookup* lookup) { lookup_ = lookup; }

signals:
    void placeChosen(const orvantis::Place& place);

private:
    void onTextEdited(const QString& text);

    const PlaceLookup* lookup_ = nullptr;
    std::vector<Place> offered_;
    QStringListModel* labels_ = nullptr;
    QCompleter* completer_ = nullptr;
};

}  // namespace orvantis
