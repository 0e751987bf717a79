// The "Charts" window: the chart library as a list searched as one types (name, place, notes),
// sortable by name or date, with Open, Save, Rename, Delete and Duplicate.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "chart/problem.h"
#include "library/chart_library.h"

class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace orvantis {

class ChartListModel;

class ChartsWindow : public QDialog {
    Q_OBJECT

public:
    // What the window does outside itself: make a chart the election chart on the wheel; give
    // the current election chart to save (nullopt when it cannot be, the reason told already);
    // ask a yes/no question (a message box unless a test answers) and a name.
    struct Actions {
        std::function<void(const ChartRecord&)> open;
        std::function<std::optional<ChartRecord>()> current;
        std::function<bool(const QString& question)> confirm;
        std::function<std::optional<QString>(const QString& prompt, const QString& name)> ask_name;
        // An AAF file to read (save false) or write (save true); "" when none was chosen.
        std::function<QString(bool save)> choose_file;
    };
    ChartsWindow(ChartLibrary& library, Actions actions, Notifier& notifier,
                 QWidget* parent = nullptr);

    // Saves the current election chart under a name asked for (the chart's own as the
    // default), asking before it replaces one of that name.
    void onSave();
    // Fills the list from the library again.
    void Reload();
    int ShownCount() const;

private:
    std::optional<std::string> SelectedName() const;
    void onOpen();
    void onRename();
    void onDelete();
    void onDuplicate();
    void onImport();
    void onExport();
    void Report(const std::optional<Problem>& problem);
    void Select(const std::string& name);

    ChartLibrary& library_;
    Actions actions_;
    Notifier& notifier_;
    QLineEdit* search_edit_ = nullptr;
    ChartListModel* charts_ = nullptr;
    QSortFilterProxyModel* shown_ = nullptr;
    QTableView* table_ = nullptr;
};

// Asks for one of the names in a list under `prompt`, `current` selected; nothing when cancelled.
std::optional<QString> ChooseChartName(QWidget* parent, const QString& title, const QString& prompt,
                                       const QStringList& names, int current);

}  // namespace orvantis
