#include "windows/charts_window.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "files/whole_file.h"

namespace orvantis {
namespace {

enum Column { kName, kMoment, kKind, kPlace, kNotes, kColumns };

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Asks for a chart's name, offering `name` selected; nothing when cancelled.
std::optional<QString> AskChartName(QWidget* parent, const QString& prompt, const QString& name) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("chartNameDialog"));
    dialog.setWindowTitle(QStringLiteral("Charts"));
    auto* edit = new QLineEdit(name, &dialog);
    edit->setObjectName(QStringLiteral("chartNameEdit"));
    edit->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel(prompt, &dialog));
    column->addWidget(edit);
    column->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return edit->text().trimmed();
}

}  // namespace

// The library's charts as the list's rows, read straight from the records: no item per cell, so
// 10,000 charts load at once.
class ChartListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void Reset(std::vector<ChartRecord> charts) {
        beginResetModel();
        charts_ = std::move(charts);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(charts_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const ChartRecord& c = charts_[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
            case kName:
                return Text(c.name);
            case kMoment:  // year first, so the text sorts by date
                return QString::asprintf("%04d-%02d-%02d %02d:%02d", c.year, c.month, c.day, c.hour,
                                         c.minute);
            case kKind:
                return QString::fromLatin1(ChartKindName(c.kind));
            case kPlace:
                return Text(c.place);
            default:
                return Text(c.notes);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const kTitles[kColumns] = {"Name", "Date", "Kind", "Place", "Notes"};
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
            section >= kColumns)
            return {};
        return QString::fromLatin1(kTitles[section]);
    }

private:
    std::vector<ChartRecord> charts_;
};

ChartsWindow::ChartsWindow(ChartLibrary& library, Actions actions, Notifier& notifier,
                           QWidget* parent)
    : QDialog(parent), library_(library), actions_(std::move(actions)), notifier_(notifier) {
    setObjectName(QStringLiteral("chartsWindow"));
    setWindowTitle(QStringLiteral("Charts"));
    if (!actions_.confirm)
        actions_.confirm = [this](const QString& question) {
            return QMessageBox::question(this, QStringLiteral("Charts"), question) ==
                   QMessageBox::Yes;
        };
    if (!actions_.ask_name)
        actions_.ask_name = [this](const QString& prompt, const QString& name) {
            return AskChartName(this, prompt, name);
        };

    if (!actions_.choose_file)
        actions_.choose_file = [this](bool save) {
            const QString filter = QStringLiteral("AAF files (*.aaf *.AAF);;All files (*)");
            return save ? QFileDialog::getSaveFileName(this, QStringLiteral("Export AAF"), {},
                                                       filter)
                        : QFileDialog::getOpenFileName(this, QStringLiteral("Import AAF"), {},
                                                       filter);
        };

    search_edit_ = new QLineEdit(this);
    search_edit_->setObjectName(QStringLiteral("chartsSearchEdit"));
    search_edit_->setPlaceholderText(QStringLiteral("Search names, places and notes"));
    search_edit_->setClearButtonEnabled(true);

    charts_ = new ChartListModel(this);
    shown_ = new QSortFilterProxyModel(this);
    shown_->setSourceModel(charts_);
    shown_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    shown_->setSortCaseSensitivity(Qt::CaseInsensitive);
    shown_->setFilterKeyColumn(-1);  // any column: name, place and notes
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("chartsTable"));
    table_->setModel(shown_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(kName, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnHidden(kNotes, true);
    connect(search_edit_, &QLineEdit::textChanged, shown_,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(table_, &QTableView::doubleClicked, this, [this] { onOpen(); });

    auto* buttons = new QDialogButtonBox(this);
    const auto button = [&](const char* name, const char* caption, auto handler) {
        QPushButton* b =
            buttons->addButton(QString::fromLatin1(caption), QDialogButtonBox::ActionRole);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    button("openChartButton", "&Open", &ChartsWindow::onOpen)->setDefault(true);
    button("saveChartButton", "&Save", &ChartsWindow::onSave);
    button("renameChartButton", "&Rename", &ChartsWindow::onRename);
    button("deleteChartButton", "&Delete", &ChartsWindow::onDelete);
    button("duplicateChartButton", "D&uplicate", &ChartsWindow::onDuplicate);
    button("importChartsButton", "&Import AAF...", &ChartsWindow::onImport);
    button("exportChartsButton", "&Export AAF...", &ChartsWindow::onExport);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(search_edit_);
    page->addWidget(table_);
    page->addWidget(buttons);
    resize(720, 480);
    Reload();
}

void ChartsWindow::Reload() {
    charts_->Reset(library_.List());
    table_->resizeColumnToContents(kName);
    table_->resizeColumnToContents(kMoment);
    table_->resizeColumnToContents(kKind);
}

int ChartsWindow::ShownCount() const {
    return shown_->rowCount();
}

std::optional<std::string> ChartsWindow::SelectedName() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows(kName);
    if (rows.isEmpty()) return std::nullopt;
    return rows.front().data().toString().toStdString();
}

void ChartsWindow::Select(const std::string& name) {
    const QModelIndexList found = shown_->match(shown_->index(0, kName), Qt::DisplayRole,
                                                Text(name), 1, Qt::MatchFixedString);
    if (!found.isEmpty()) table_->selectRow(found.front().row());
}

void ChartsWindow::Report(const std::optional<Problem>& problem) {
    if (problem) notifier_.Notify(*problem);
}

void ChartsWindow::onOpen() {
    const auto name = SelectedName();
    if (!name) return;
    const auto chart = library_.Find(*name);
    if (!chart) return;
    actions_.open(*chart);
    accept();
}

void ChartsWindow::onSave() {
    auto chart = actions_.current();
    if (!chart) return;
    const auto name =
        actions_.ask_name(QStringLiteral("Save the election chart as:"), Text(chart->name));
    if (!name || name->isEmpty()) return;
    chart->name = name->toStdString();
    if (const auto old = library_.Find(chart->name)) {
        if (!actions_.confirm(
                QStringLiteral("A chart named \"%1\" exists. Replace it?").arg(Text(old->name))))
            return;
        // Replacing keeps what the election record does not hold.
        chart->kind = old->kind;
        if (chart->notes.empty()) chart->notes = old->notes;
        if (chart->source.empty()) chart->source = old->source;
    }
    Report(library_.Save(*chart));
    Reload();
    Select(chart->name);
}

void ChartsWindow::onRename() {
    const auto name = SelectedName();
    if (!name) return;
    const auto to = actions_.ask_name(QStringLiteral("New name:"), Text(*name));
    if (!to || to->isEmpty()) return;
    const auto problem = library_.Rename(*name, to->toStdString());
    Report(problem);
    Reload();
    Select(problem ? *name : to->toStdString());
}

void ChartsWindow::onDelete() {
    const auto name = SelectedName();
    if (!name) return;
    if (!actions_.confirm(QStringLiteral("Delete the chart \"%1\"?").arg(Text(*name)))) return;
    Report(library_.Remove(*name));
    Reload();
}

void ChartsWindow::onDuplicate() {
    const auto name = SelectedName();
    if (!name) return;
    auto chart = library_.Find(*name);
    if (!chart) return;
    chart->name = library_.FreeName(*name + " copy");
    Report(library_.Save(*chart));
    Reload();
    Select(chart->name);
}

void ChartsWindow::onImport() {
    const QString path = actions_.choose_file(false);
    if (path.isEmpty()) return;
    QString reason;
    const auto text = ReadFileWhole(path, &reason);
    if (!text) {
        Report(Problem{"Charts", "Cannot read " + path.toStdString() + ": " + reason.toStdString(),
                       Icon::kExclamation});
        return;
    }
    const AafImport imported = ImportAaf(library_, *text);
    if (imported.problem) return Report(imported.problem);
    std::string said = std::to_string(imported.names.size()) + " charts imported.";
    for (const AafSkipped& s : imported.skipped)
        said += "\nLine " + std::to_string(s.line) + " skipped: " + s.reason;
    Report(Problem{"Charts", said,
                   imported.skipped.empty() ? Icon::kInformation : Icon::kExclamation});
    Reload();
}

void ChartsWindow::onExport() {
    const QString path = actions_.choose_file(true);
    if (path.isEmpty()) return;
    const std::string text = WriteAaf(library_.List());
    QString reason;
    if (!WriteFileWhole(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                        &reason))
        Report(Problem{"Charts", path.toStdString() + " not written: " + reason.toStdString(),
                       Icon::kExclamation});
}

std::optional<QString> ChooseChartName(QWidget* parent, const QString& title, const QString& prompt,
                                       const QStringList& names, int current) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("chooseChartDialog"));
    dialog.setWindowTitle(title);
    auto* list = new QComboBox(&dialog);
    list->setObjectName(QStringLiteral("chartNameList"));
    list->addItems(names);
    list->setCurrentIndex(current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel(prompt, &dialog));
    column->addWidget(list);
    column->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentIndex() < 0) return std::nullopt;
    return list->currentText();
}

}  // namespace orvantis
