#include "windows/aspect_window.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "aspects/aspect_kind.h"
#include "aspects/aspect_list.h"
#include "chart/problem.h"
#include "files/whole_file.h"
#include "wheel/aspect_grid.h"
#include "wheel/qpainter_surface.h"
#include "windows/busy_pointer.h"

namespace orvantis {
namespace {

// The window's size in pixels at 96 dpi.
constexpr int kWindowWidth = 94;
constexpr int kWindowHeight = 453;

}  // namespace

AspectWindow::AspectWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), aspect_text_(new QPlainTextEdit) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("CWAspect"));
    setWindowTitle(QStringLiteral("Aspects"));

    aspect_text_->setObjectName(QStringLiteral("aspectListText"));
    aspect_text_->setReadOnly(true);
    aspect_text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    aspect_text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    aspect_text_->setFont(QFont(QStringLiteral("QUERNA"), 12));

    // The list fills the window whatever its size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(aspect_text_);

    // Wide enough for one list line and the scroll bar, whatever the font renders.
    QString widest = GlyphFontText(AspectListText({{1, 1, kOpposition, ""}}));
    widest.chop(2);
    const int needed = QFontMetrics(aspect_text_->font()).horizontalAdvance(widest) +
                       aspect_text_->verticalScrollBar()->sizeHint().width() +
                       2 * aspect_text_->frameWidth() + 2 * 4;
    // And for its title beside the title bar's buttons (three, and room for the icon).
    const int title_bar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int title = QFontMetrics(QApplication::font()).horizontalAdvance(windowTitle()) +
                      5 * std::max(title_bar, 24);
    resize(std::max({kWindowWidth, needed, title}), kWindowHeight);
}

AspectWindow* AspectWindow::Open(const std::array<double, 16>& body_longitude,
                                 const QString& orb_file_path, OrbValues& orbs, Notifier& notifier,
                                 QWidget* parent) {
    const BusyPointer busy;
    auto* window = new AspectWindow(parent);
    if (auto problem = LoadOrbFile(StdPath(orb_file_path), orbs)) notifier.Notify(*problem);
    window->ListAspects(body_longitude, orbs);
    window->show();
    return window;
}

void AspectWindow::ListAspects(const std::array<double, 16>& body_longitude,
                               const OrbValues& orbs) {
    QString text = GlyphFontText(AspectListText(orvantis::ListAspects(body_longitude, orbs)));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (text == aspect_text_->toPlainText()) return;
    const int scrolled = aspect_text_->verticalScrollBar()->value();
    aspect_text_->setPlainText(text);
    aspect_text_->verticalScrollBar()->setValue(scrolled);
}

}  // namespace orvantis
