#include "windows/place_field.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>

namespace orvantis {

namespace {
// Enough to choose from while typing; the rest narrows with the next letter or a ", state".
constexpr std::size_t kOffered = 20;
}  // namespace

PlaceField::PlaceField(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText(QStringLiteral("Town, state or country"));
    labels_ = new QStringListModel(this);
    completer_ = new QCompleter(labels_, this);
    // The atlas has matched already (accents and every word included): show its list as it is.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(12);
    setCompleter(completer_);
    connect(this, &QLineEdit::textEdited, this, &PlaceField::onTextEdited);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                const auto row = static_cast<std::size_t>(index.row());
                if (!index.isValid() || row >= offered_.size()) return;
                const Place chosen = offered_[row];
                setText(QString::fromStdString(PlaceLabel(chosen)));
                emit placeChosen(chosen);
            });
}

void PlaceField::onTextEdited(const QString& text) {
    if (!lookup_) return;
    offered_ = FindPlaces(*lookup_, text.toStdString());
    if (offered_.size() > kOffered) offered_.resize(kOffered);
    QStringList labels;
    for (const Place& p : offered_) labels << QString::fromStdString(PlaceLabel(p));
    labels_->setStringList(labels);
    if (labels.isEmpty())
        completer_->popup()->hide();
    else
        completer_->complete();
}

}  // namespace orvantis
