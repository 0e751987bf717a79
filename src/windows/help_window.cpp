#include "windows/help_window.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/problem.h"
#include "files/whole_file.h"
#include "settings/text_lines.h"

namespace orvantis {
namespace {

// The viewer's size in pixels at 96 dpi, with 16-pixel margins.
constexpr int kWindowWidth = 632;
constexpr int kWindowHeight = 453;
constexpr int kMargin = 16;

}  // namespace

std::string HelpTextFromFile(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 1);
    for (std::string_view line : SplitLines(bytes)) {
        text += line;
        text += '\n';
    }
    return text;
}

HelpWindow::HelpWindow(const QString& help_file_name, const std::string& text, QWidget* parent)
    : QDialog(parent),
      text_view_(new QPlainTextEdit(this)),
      quit_button_(new QPushButton(QStringLiteral("Quit"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpX"));
    setModal(false);
    setWindowTitle(help_file_name);

    QFont courier(QStringLiteral("Courier New"), 9);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    text_view_->setObjectName(QStringLiteral("helpText"));
    text_view_->setFont(courier);
    // A vertical scroll bar only: long lines wrap at the window's edge.
    text_view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The help texts are shown, not edited: typing into them could only mislead.
    text_view_->setReadOnly(true);
    text_view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // 8-bit text: every byte is one character, as the file holds it.
    text_view_->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));

    quit_button_->setObjectName(QStringLiteral("quitButton"));
    quit_button_->setDefault(true);
    connect(quit_button_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(quit_button_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(text_view_);
    layout->addLayout(buttons);
    resize(kWindowWidth, kWindowHeight);
}

HelpWindow* HelpWindow::ShowHelpFile(QPointer<HelpWindow>& viewer, const QString& app_path,
                                     const QString& help_file_name, Notifier& notifier,
                                     QWidget* parent) {
    if (viewer) viewer->close();
    viewer = nullptr;

    const QString path = app_path + QLatin1Char('/') + help_file_name;
    const std::optional<std::string> bytes = ReadFileWhole(path);
    if (!bytes) {
        notifier.Notify(
            Warning((help_file_name + " Help File Not Found").toStdString(), Icon::kExclamation));
        return nullptr;
    }
    auto* shown = new HelpWindow(help_file_name, HelpTextFromFile(*bytes), parent);
    shown->show();
    viewer = shown;
    return shown;
}

}  // namespace orvantis
