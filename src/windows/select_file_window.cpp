#include "windows/select_file_window.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

#include "chart/problem.h"
#include "files/whole_file.h"

namespace orvantis {
namespace {

// The window's size in pixels at 96 dpi.
constexpr int kWindowWidth = 381;
constexpr int kWindowHeight = 173;

constexpr int kPathRole = Qt::UserRole;

// A deep folder list may grow the window this far and no farther.
constexpr int kMaxListWidth = 480;

// Wide enough for the longest entry beside a vertical scroll bar, so no name is cut off.
void FitToContent(QListWidget* list) {
    const int scroll_bar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int width = list->sizeHintForColumn(0) + 2 * list->frameWidth() + scroll_bar;
    list->setMinimumWidth(std::min(width, kMaxListWidth));
}

}  // namespace

QString JoinFolderAndFile(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

bool MatchesFilePattern(const QString& name, const QString& pattern) {
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

FileChooserWindow::FileChooserWindow(const QString& folder, const QString& pattern, QWidget* parent)
    : QDialog(parent),
      pattern_(pattern),
      file_list_(new QListWidget(this)),
      folder_list_(new QListWidget(this)),
      drive_list_(new QComboBox(this)),
      select_button_(new QPushButton(QStringLiteral("Select"), this)),
      cancel_button_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("SelectFIle"));
    setWindowTitle(QStringLiteral("Select a File"));
    file_list_->setObjectName(QStringLiteral("filList"));
    folder_list_->setObjectName(QStringLiteral("dirList"));
    drive_list_->setObjectName(QStringLiteral("drvList"));
    select_button_->setObjectName(QStringLiteral("selectButton"));
    cancel_button_->setObjectName(QStringLiteral("cancelButton"));
    select_button_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(select_button_);
    buttons->addWidget(cancel_button_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(file_list_, 0, 0, 3, 1);
    grid->addWidget(folder_list_, 0, 1);
    grid->addWidget(drive_list_, 1, 1);
    grid->addLayout(buttons, 2, 1);
    grid->setRowStretch(0, 1);
    resize(kWindowWidth, kWindowHeight);

    connect(select_button_, &QPushButton::clicked, this, &FileChooserWindow::onSelect);
    connect(cancel_button_, &QPushButton::clicked, this, &FileChooserWindow::reject);
    connect(file_list_, &QListWidget::itemDoubleClicked, this, &FileChooserWindow::onSelect);
    connect(folder_list_, &QListWidget::itemActivated, this, &FileChooserWindow::dirList_Activated);
    connect(drive_list_, &QComboBox::activated, this, &FileChooserWindow::drvList_Activated);

    SetFolder(folder);
}

void FileChooserWindow::SetFolder(const QString& folder) {
    folder_ = QDir::cleanPath(QDir(folder).absolutePath());
    FillVolumeList();
    FillFolderList();
    FillFileList();
}

// Like a drive's folder tree: the folders from the root down to the current one, then the
// current folder's subfolders one level deeper.
void FileChooserWindow::FillFolderList() {
    folder_list_->clear();
    QStringList chain;
    for (QDir dir(folder_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = depth == 0 ? path : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, folder_list_);
        item->setData(kPathRole, path);
        ++depth;
    }
    folder_list_->setCurrentRow(depth - 1);
    const QStringList subfolders =
        QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, folder_list_);
        item->setData(kPathRole, JoinFolderAndFile(folder_, name));
    }
    FitToContent(folder_list_);
}

void FileChooserWindow::FillFileList() {
    file_list_->clear();
    const QStringList names = QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (MatchesFilePattern(name, pattern_)) file_list_->addItem(name);
    }
    FitToContent(file_list_);
}

QStringList VolumeRoots(const QStringList& mounted, const QString& home) {
    QStringList roots{QStringLiteral("/")};
    for (const QString& path : mounted + QStringList{home}) {
        const QString clean = QDir::cleanPath(path);
        if (!path.isEmpty() && !roots.contains(clean)) roots << clean;
    }
    return roots;
}

int VolumeOf(const QStringList& roots, const QString& folder) {
    int best = 0;
    for (int i = 1; i < roots.size(); ++i) {
        const bool inside =
            folder == roots[i] || folder.startsWith(JoinFolderAndFile(roots[i], {}));
        if (inside && roots[i].size() > roots[best].size()) best = i;
    }
    return best;
}

void FileChooserWindow::FillVolumeList() {
    QStringList mounted;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) mounted << volume.rootPath();
    }
    const QStringList roots = VolumeRoots(mounted, QDir::homePath());
    drive_list_->clear();
    drive_list_->addItems(roots);
    drive_list_->setCurrentIndex(VolumeOf(roots, folder_));
}

void FileChooserWindow::PreselectFile(const QString& current_path) {
    if (file_list_->count() == 0) return;
    file_list_->setCurrentRow(0);
    const QString name = QFileInfo(current_path).fileName();
    QList<QListWidgetItem*> matches = file_list_->findItems(name, Qt::MatchFixedString);
    if (matches.isEmpty()) return;
    QListWidgetItem* chosen = matches.front();
    for (QListWidgetItem* item : matches) {
        if (item->text() == name) chosen = item;
    }
    file_list_->setCurrentItem(chosen);
}

void FileChooserWindow::onSelect() {
    const QList<QListWidgetItem*> selected = file_list_->selectedItems();
    if (!selected.isEmpty()) {
        selected_file_name_ = JoinFolderAndFile(folder_, selected.front()->text());
    }
    accept();
}

void FileChooserWindow::reject() {
    selected_file_name_.clear();
    QDialog::reject();
}

void FileChooserWindow::dirList_Activated(QListWidgetItem* item) {
    if (item != nullptr) SetFolder(item->data(kPathRole).toString());
}

void FileChooserWindow::drvList_Activated(int index) {
    if (index >= 0) SetFolder(drive_list_->itemText(index));
}

QString SelectNewOrbFile(const QString& app_path, const QString& orb_file_path, Notifier& notifier,
                         QWidget* parent) {
    const QString current = orb_file_path.isEmpty()
                                ? JoinFolderAndFile(app_path, QStringLiteral("NATAL.ORB"))
                                : orb_file_path;
    if (!ReadFileWhole(current)) {
        const char* what = QFileInfo::exists(current) ? " File Cannot Be Read" : " File Not Found";
        notifier.Notify(Warning(current.toStdString() + what, Icon::kExclamation));
        return {};
    }

    FileChooserWindow chooser(QFileInfo(current).absolutePath(), QStringLiteral("*.ORB"), parent);
    chooser.SetSelectedFileName(current);
    chooser.PreselectFile(current);
    chooser.exec();
    return chooser.SelectedFileName();
}

}  // namespace orvantis
