#include "windows/options_window.h"

#include <QPushButton>
#include <optional>

#include "chart/chart_driver.h"
#include "chart/problem.h"
#include "files/whole_file.h"
#include "settings/options_file.h"

namespace orvantis {
namespace {

Problem OptionsFileNotFound() {
    return Warning(std::string(kOptionsFileName) + " File Not Found", Icon::kExclamation);
}

}  // namespace

OptionsEditor::OptionsEditor(const QString& settings_dir, const QString& shipped_dir,
                             OptionValues& options, std::string& caption_prefix,
                             const std::string& owner_name, Notifier& notifier, QWidget* parent)
    : TextFileEditor(notifier, parent),
      options_path_(settings_dir + QLatin1Char('/') + QLatin1String(kOptionsFileName)),
      master_path_(shipped_dir + QLatin1Char('/') + QLatin1String(kMasterOptionsFileName)),
      options_(options),
      caption_prefix_(caption_prefix),
      owner_name_(owner_name),
      save_button_(AddButton(QStringLiteral("Save"))),
      restore_button_(AddButton(QStringLiteral("Restore Default Settings"))),
      quit_button_(AddButton(QStringLiteral("Quit"))) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Edit: ") + QLatin1String(kOptionsFileName));
    save_button_->setObjectName(QStringLiteral("btnSave"));
    restore_button_->setObjectName(QStringLiteral("restoreDefaultButton"));
    quit_button_->setObjectName(QStringLiteral("btnQuit"));
    connect(save_button_, &QPushButton::clicked, this, &OptionsEditor::Save);
    connect(restore_button_, &QPushButton::clicked, this, &OptionsEditor::RestoreDefaultSettings);
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
    if (!master || !WriteFileWhole(path, QByteArray::fromStdString(*master))) {
        notifier_.Notify(Warning(kRestoreFailed, Icon::kInformation));
        return false;
    }
    return LoadFile(path);
}

}  // namespace orvantis
