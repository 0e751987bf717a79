// The file chooser "Select a File": a file list filtered by a pattern, a folder list and a list
// of the mounted volumes (in place of drives). Used by Orbs > Select new orb file.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace orvantis {

class Notifier;

// folder + "/" + name, without a second "/" when folder already ends with one (the root "/").
QString JoinFolderAndFile(const QString& folder, const QString& name);

// True when name matches a wildcard pattern such as "*.ORB", ignoring case: users' orb files
// are named in any case.
bool MatchesFilePattern(const QString& name, const QString& pattern);

// The volume list: the root folder first, then the mounted volumes and the user's home, each
// once. A bare root or a container may list no mounts at all; the list is never empty.
QStringList VolumeRoots(const QStringList& mounted, const QString& home);

// The index in roots of the deepest root that holds folder (0, the root folder, when none does).
int VolumeOf(const QStringList& roots, const QString& folder);

class FileChooserWindow : public QDialog {
    Q_OBJECT

public:
    // A chooser showing folder, with the file list filtered by pattern.
    FileChooserWindow(const QString& folder, const QString& pattern, QWidget* parent = nullptr);

    // Shows folder in the folder list and its matching files in the file list; the volume list
    // follows. A folder that cannot be listed shows empty lists.
    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }

    // Selects the first file, then the file whose name equals current_path's file name
    // (ignoring case, an exact match preferred), if the list has one.
    void PreselectFile(const QString& current_path);

    // The result: what the caller put there, replaced by the chosen file on Select or a double
    // click on a file, "" after Cancel or closing the window.
    QString SelectedFileName() const { return selected_file_name_; }
    void SetSelectedFileName(const QString& path) { selected_file_name_ = path; }

    QListWidget* FileList() const { return file_list_; }
    QListWidget* FolderList() const { return folder_list_; }
    QComboBox* DriveList() const { return drive_list_; }
    QPushButton* SelectButton() const { return select_button_; }
    QPushButton* CancelButton() const { return cancel_button_; }

    void reject() override;

private:
    void onSelect();
    void dirList_Activated(QListWidgetItem* item);
    void drvList_Activated(int index);
    void FillFolderList();
    void FillFileList();
    void FillVolumeList();

    QString folder_;
    QString pattern_;
    QString selected_file_name_;
    QListWidget* file_list_;
    QListWidget* folder_list_;
    QComboBox* drive_list_;
    QPushButton* select_button_;
    QPushButton* cancel_button_;
};

// Orbs > Select new orb file up to the choice. The current orb file (app_path/NATAL.ORB when
// orb_file_path is empty) must be readable: if not, a warning ("Warning!", exclamation icon) and
// "". Otherwise the chooser opens modally on the "*.ORB" files of the current orb file's folder
// with that file preselected. Returns the chosen path, the current orb file when Select is
// pressed with no file selected, or "" when cancelled. The caller sets its orb file path to a
// non-empty result and runs the Aspects command.
QString SelectNewOrbFile(const QString& app_path, const QString& orb_file_path, Notifier& notifier,
                         QWidget* parent = nullptr);

}  // namespace orvantis
