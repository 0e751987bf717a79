#include "library/chart_library.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>

namespace orvantis {
namespace {

constexpr const char* kTitle = "Chart library";

Problem LibraryProblem(const std::string& what, const QSqlError& error) {
    std::string text = what;
    if (error.isValid()) text += ": " + error.text().toStdString();
    return Problem{kTitle, text, Icon::kExclamation};
}

constexpr const char* kColumns =
    "name, kind, year, month, day, hour, minute, zone_name, zone_hours, place, latitude, "
    "longitude, notes, source, saved_at";

ChartRecord RecordFrom(const QSqlQuery& q) {
    ChartRecord r;
    r.name = q.value(0).toString().toStdString();
    const int kind = q.value(1).toInt();
    r.kind = kind >= 0 && kind <= 3 ? static_cast<ChartKind>(kind) : ChartKind::kOther;
    r.year = q.value(2).toInt();
    r.month = q.value(3).toInt();
    r.day = q.value(4).toInt();
    r.hour = q.value(5).toInt();
    r.minute = q.value(6).toInt();
    r.zone_name = q.value(7).toString().toStdString();
    r.zone_hours = q.value(8).toDouble();
    r.place = q.value(9).toString().toStdString();
    r.latitude = q.value(10).toDouble();
    r.longitude = q.value(11).toDouble();
    r.notes = q.value(12).toString().toStdString();
    r.source = q.value(13).toString().toStdString();
    r.saved_at = q.value(14).toLongLong();
    return r;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Rolls back unless committed, so every early return leaves the database as it was.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db) : db_(std::move(db)), open_(db_.transaction()) {}
    ~Transaction() {
        if (open_) db_.rollback();
    }
    bool Open() const { return open_; }
    bool Commit() {
        open_ = !db_.commit();
        return !open_;
    }

private:
    QSqlDatabase db_;
    bool open_;
};

}  // namespace

QString ChartLibraryPath(const DataFolders& folders) {
    if (folders.settings == folders.shipped) return folders.settings + "/" + kChartLibraryFileName;
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) data = QDir::homePath() + "/.local/share";
    return data + "/orvantis/" + kChartLibraryFileName;
}

std::unique_ptr<ChartLibrary> ChartLibrary::Open(const QString& path, Problem* problem) {
    const auto fail = [&](const std::string& what, const QSqlError& error = {}) {
        if (problem) *problem = LibraryProblem(what, error);
        return nullptr;
    };
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail("Qt's SQLite driver is not installed (package libqt6sql6-sqlite)");
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail("cannot make the folder of " + path.toStdString());

    static std::atomic<int> count{0};
    const QString connection = QStringLiteral("orvantis-charts-%1").arg(++count);
    std::unique_ptr<ChartLibrary> library(new ChartLibrary(connection));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        // Another program writing at the same moment makes this one wait, not fail.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) return fail("cannot open " + path.toStdString(), db.lastError());
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral(
                "CREATE TABLE IF NOT EXISTS charts ("
                "name TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, kind INTEGER NOT NULL, "
                "year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL, "
                "hour INTEGER NOT NULL, minute INTEGER NOT NULL, zone_name TEXT NOT NULL, "
                "zone_hours REAL NOT NULL, place TEXT NOT NULL, latitude REAL NOT NULL, "
                "longitude REAL NOT NULL, notes TEXT NOT NULL, source TEXT NOT NULL, "
                "saved_at INTEGER NOT NULL)")))
            return fail(path.toStdString() + " is no chart library", q.lastError());
    }
    return library;
}

ChartLibrary::~ChartLibrary() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

std::vector<ChartRecord> ChartLibrary::List() const {
    std::vector<ChartRecord> charts;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM charts ORDER BY name").arg(kColumns))) return charts;
    while (q.next()) charts.push_back(RecordFrom(q));
    return charts;
}

std::optional<ChartRecord> ChartLibrary::Find(const std::string& name) const {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("SELECT %1 FROM charts WHERE name = ?").arg(kColumns));
    q.addBindValue(Text(name));
    if (!q.exec() || !q.next()) return std::nullopt;
    return RecordFrom(q);
}

bool ChartLibrary::Contains(const std::string& name) const {
    return Find(name).has_value();
}

std::string ChartLibrary::FreeName(const std::string& name) const {
    std::string free = name;
    for (int n = 2; Contains(free); ++n) free = name + " (" + std::to_string(n) + ")";
    return free;
}

std::optional<Problem> ChartLibrary::Save(ChartRecord chart) {
    return Store({std::move(chart)}, /*replace=*/true, nullptr);
}

std::optional<Problem> ChartLibrary::SaveAll(std::vector<ChartRecord> charts,
                                             std::vector<std::string>* names) {
    return Store(charts, /*replace=*/false, names);
}

std::optional<Problem> ChartLibrary::Store(const std::vector<ChartRecord>& charts, bool replace,
                                           std::vector<std::string>* names) {
    QSqlDatabase db = QSqlDatabase::database(connection_);
    Transaction transaction(db);
    if (!transaction.Open()) return LibraryProblem("cannot begin a save", db.lastError());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO charts (%1) VALUES "
                             "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(kColumns));
    QSqlQuery taken(db);
    taken.prepare(QStringLiteral("SELECT 1 FROM charts WHERE name = ?"));
    for (const ChartRecord& c : charts) {
        if (c.name.empty()) return Problem{kTitle, "A chart needs a name.", Icon::kExclamation};
        std::string name = c.name;
        for (int n = 2; !replace; ++n) {
            taken.addBindValue(Text(name));
            if (!taken.exec()) return LibraryProblem("cannot read the library", taken.lastError());
            if (!taken.next()) break;
            name = c.name + " (" + std::to_string(n) + ")";
        }
        for (const QVariant& value :
             {QVariant(Text(name)), QVariant(static_cast<int>(c.kind)), QVariant(c.year),
              QVariant(c.month), QVariant(c.day), QVariant(c.hour), QVariant(c.minute),
              QVariant(Text(c.zone_name)), QVariant(c.zone_hours), QVariant(Text(c.place)),
              QVariant(c.latitude), QVariant(c.longitude), QVariant(Text(c.notes)),
              QVariant(Text(c.source)), QVariant(now)})
            q.addBindValue(value);
        if (!q.exec()) return LibraryProblem("cannot save \"" + name + "\"", q.lastError());
        if (names) names->push_back(name);
    }
    if (!transaction.Commit()) return LibraryProblem("cannot save", db.lastError());
    return std::nullopt;
}

std::optional<Problem> ChartLibrary::Rename(const std::string& from, const std::string& to) {
    if (to.empty()) return Problem{kTitle, "A chart needs a name.", Icon::kExclamation};
    // Changing only the letter case of a name is a rename too.
    if (Contains(to) && QString::compare(Text(from), Text(to), Qt::CaseInsensitive) != 0)
        return Problem{kTitle, "A chart named \"" + to + "\" exists already.", Icon::kExclamation};
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("UPDATE charts SET name = ? WHERE name = ?"));
    q.addBindValue(Text(to));
    q.addBindValue(Text(from));
    if (!q.exec()) return LibraryProblem("cannot rename \"" + from + "\"", q.lastError());
    if (q.numRowsAffected() != 1)
        return Problem{kTitle, "There is no chart named \"" + from + "\".", Icon::kExclamation};
    return std::nullopt;
}

std::optional<Problem> ChartLibrary::Remove(const std::string& name) {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("DELETE FROM charts WHERE name = ?"));
    q.addBindValue(Text(name));
    if (!q.exec()) return LibraryProblem("cannot delete \"" + name + "\"", q.lastError());
    return std::nullopt;
}

AafImport ImportAaf(ChartLibrary& library, std::string_view text) {
    AafReading reading = ReadAaf(text);
    AafImport result;
    result.skipped = std::move(reading.skipped);
    result.problem = library.SaveAll(std::move(reading.charts), &result.names);
    if (result.problem) result.names.clear();
    return result;
}

}  // namespace orvantis
