#include "windows/options_window.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>
#include <optional>

#include "chart/chart_driver.h"
#include "chart/house_systems.h"
#include "chart/problem.h"
#include "files/whole_file.h"
#include "settings/lenient_number.h"
#include "settings/option_lines.h"
#include "settings/option_values.h"
#include "settings/options_file.h"

namespace orvantis {
namespace {

Problem OptionsFileNotFound() {
    return Warning(std::string(kOptionsFileName) + " File Not Found", Icon::kExclamation);
}

bool HoldsNumber(const QString& line) {
    const QString value = line.left(kOptionValueWidth).trimmed();
    int at = value.startsWith(QLatin1Char('-')) || value.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (at < value.size() && value[at] == QLatin1Char('.')) ++at;
    if (at >= value.size() || !value[at].isDigit()) return false;
    // A value beyond single precision would be read as 0.
    return std::isfinite(static_cast<float>(LenientNumber(value.toStdString())));
}

}  // namespace

std::optional<std::string> OptionsTextFault(const QString& text, int* line) {
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
    const auto fault = [&](int n, const std::string& why) {
        if (line) *line = n;
        return std::optional<std::string>("Line " + std::to_string(n) + " " + why);
    };
    for (int n = 1; n <= kOptionCount; ++n) {
        if (n > lines.size())
            return fault(n, "is missing: the options file holds " + std::to_string(kOptionCount) +
                                " values, one a line.");
        const QString& value = lines[n - 1];
        if (value.trimmed().isEmpty())
            return fault(n, "is empty: the options after it would not be read.");
        if (!HoldsNumber(value))
            return fault(n, "has no number in its first " + std::to_string(kOptionValueWidth) +
                                " characters: \"" + value.left(kOptionValueWidth).toStdString() +
                                "\".");
        std::optional<Problem> unknown_house;
        if (n == kOptionStartHouseSystem)
            HouseSystemOfOption(
                static_cast<float>(LenientNumber(value.left(kOptionValueWidth).toStdString())),
                &unknown_house);
        if (unknown_house)
            return fault(n, "names no house system: it takes " + HouseOptionList() + ".");
    }
    // After the home zone's name, line 132 (the ephemeris) is a value again and the last line.
    if (lines.size() >= kOptionLastLine && !HoldsNumber(lines[kOptionLastLine - 1]))
        return fault(kOptionLastLine, "has no number in its first " +
                                          std::to_string(kOptionValueWidth) + " characters.");
    if (lines.size() > kOptionLastLine)
        return fault(kOptionLastLine + 1,
                     "is one too many: the file ends with the ephemeris' line " +
                         std::to_string(kOptionLastLine) + ".");
    return std::nullopt;
}

OptionsEditor::OptionsEditor(const QString& settings_dir, const QString& shipped_dir,
                             OptionValues& options, std::string& caption_prefix,
                             const std::string& owner_name, Notifier& notifier, QWidget* parent)
    : TextFileEditor(notifier, parent),
      options_path_(settings_dir + QLatin1Char('/') + QLatin1String(kOptionsFileName)),
      master_path_(shipped_dir + QLatin1Char('/') + QLatin1String(kMasterOptionsFileName)),
      options_(options),
      caption_prefix_(caption_prefix),
      owner_name_(owner_name),
      save_button_(AddButton(QStringLiteral("&Save"))),
      restore_button_(AddButton(QStringLiteral("&Restore Default Settings"))),
      quit_button_(AddButton(QStringLiteral("&Quit"))) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Edit: ") + QLatin1String(kOptionsFileName));
    save_button_->setObjectName(QStringLiteral("btnSave"));
    restore_button_->setObjectName(QStringLiteral("restoreDefaultButton"));
    quit_button_->setObjectName(QStringLiteral("btnQuit"));
    connect(save_button_, &QPushButton::clicked, this, &OptionsEditor::Save);
    connect(restore_button_, &QPushButton::clicked, this, [this] {
        const QString backup = QFileInfo(options_path_).dir().filePath(kOptionsBackupFileName);
        if (Ask(QStringLiteral("Replace ") + options_path_ +
                QStringLiteral(" with the default "
                               "settings?\nThe present "
                               "file is kept as ") +
                backup + QStringLiteral(".")))
            RestoreDefaultSettings();
    });
    connect(quit_button_, &QPushButton::clicked, this, &QWidget::close);
}

OptionsEditor* OptionsEditor::Open(QPointer<OptionsEditor>& editor, const QString& settings_dir,
                                   const QString& shipped_dir, OptionValues& options,
                                   std::string& caption_prefix, const std::string& owner_name,
                                   Notifier& notifier, QWidget* parent) {
    const QString path = settings_dir + QLatin1Char('/') + QLatin1String(kOptionsFileName);
    if (!ReadFileWhole(path)) {
        notifier.Notify(OptionsFileNotFound());
        return nullptr;
    }
    // A closed editor lingers until its deferred deletion; only a visible one is reused.
    if (editor && editor->isVisible()) {
        editor->setWindowState(editor->windowState() & ~Qt::WindowMinimized);
        editor->raise();
        editor->activateWindow();
        return editor;
    }
    auto* opened = new OptionsEditor(settings_dir, shipped_dir, options, caption_prefix, owner_name,
                                     notifier, parent);
    if (!opened->LoadFile(path)) {
        delete opened;
        return nullptr;
    }
    opened->show();
    editor = opened;
    return opened;
}

bool OptionsEditor::Save() {
    const QString& path = options_path_;
    int line = 0;
    if (const auto fault = OptionsTextFault(EditorText(), &line)) {
        notifier_.Notify(Warning(std::string(kOptionsFileName) + " was not saved. " + *fault,
                                 Icon::kExclamation));
        QTextCursor at(ContentEdit()->document()->findBlockByNumber(line - 1));
        ContentEdit()->setTextCursor(at);
        ContentEdit()->setFocus();
        return false;
    }
    if (!SaveFile(path)) return false;
    const std::optional<std::string> text = ReadFileWhole(path);
    if (!text) {
        notifier_.Notify(OptionsFileNotFound());
        return false;
    }
    ReadOptionsFile(*text, options_);
    caption_prefix_ = BuildCaptionPrefix(owner_name_, options_);
    emit OptionsSaved();
    return true;
}

bool OptionsEditor::RestoreDefaultSettings() {
    const QString& path = options_path_;
    const std::optional<std::string> master = ReadFileWhole(master_path_);
    // Written beside OPTIONS.OPT and renamed over it only when whole: a failed copy (full disk,
    // write-protected file or folder) leaves the old file as it was.
    // The replaced file stays beside it, so the user's own settings are never lost.
    const std::optional<std::string> present = ReadFileWhole(path);
    const QString backup = QFileInfo(path).dir().filePath(kOptionsBackupFileName);
    if (!master || (present && !WriteFileWhole(backup, QByteArray::fromStdString(*present))) ||
        !WriteFileWhole(path, QByteArray::fromStdString(*master))) {
        notifier_.Notify(Warning(kRestoreFailed, Icon::kInformation));
        return false;
    }
    return LoadFile(path);
}

}  // namespace orvantis
