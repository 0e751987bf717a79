#include "windows/about_window.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "wheel/window_geometry.h"

namespace orvantis {
namespace {

// The window's size in pixels at 96 dpi.
constexpr int kWindowWidth = 217;
constexpr int kWindowHeight = 168;
constexpr double kLetteringPoints = 24;
constexpr const char* kProgramName = "ORVANTIS";

QFont LetteringFont(const QFont& window_font) {
    QFont font = window_font;
    font.setPointSizeF(kLetteringPoints);
    return font;
}

// One line each: the window widens to the longest notice rather than breaking it.
QLabel* CentredLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

}  // namespace

std::array<LetteringCopy, kLetteringShadowCopies + 1> RaisedLetteringCopies() {
    std::array<LetteringCopy, kLetteringShadowCopies + 1> copies{};
    for (int i = 0; i <= kLetteringShadowCopies; ++i) {
        copies[static_cast<std::size_t>(i)] = {390 + i, 75 + i, i == kLetteringShadowCopies};
    }
    return copies;
}

About::About(const QString& settings_folder, QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));

    // Room at the top for the lettering: its last copy ends 175 twips plus a line of 24-point
    // text below the window's top edge.
    const QFontMetricsF metrics(LetteringFont(font()), this);
    const double pixels_per_twip = logicalDpiY() / kTwipsPerInch;
    const int lettering_height = static_cast<int>(
        std::ceil((75 + kLetteringShadowCopies + 1) * pixels_per_twip + metrics.height()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, lettering_height, 8, 8);
    layout->addWidget(CentredLabel(QStringLiteral("Version  2.25"), this));
    layout->addSpacing(4);
    layout->addWidget(CentredLabel(QStringLiteral("Orvantis \u2014 an astrological clock"), this));
    layout->addWidget(
        CentredLabel(QStringLiteral("Free software: see the License Agreement"), this));
    layout->addWidget(
        CentredLabel(QStringLiteral("Computes charts with analytic series; no warranty"), this));
    layout->addSpacing(4);
    auto* folder = CentredLabel(
        QStringLiteral("Your files: ") + QDir::toNativeSeparators(settings_folder), this);
    folder->setObjectName(QStringLiteral("settingsFolderLabel"));
    layout->addWidget(folder);
    layout->addStretch();
    setCursor(Qt::PointingHandCursor);
    resize(QSize(kWindowWidth, kWindowHeight).expandedTo(sizeHint()));
}

About* About::Open(QPointer<About>& about, const QString& settings_folder, QWidget* parent) {
    if (about && about->isVisible()) {
        about->setWindowState(about->windowState() & ~Qt::WindowMinimized);
        about->raise();
        about->activateWindow();
        return about;
    }
    auto* shown = new About(settings_folder, parent);
    shown->show();
    about = shown;
    return shown;
}

// Drawn on every paint rather than once after showing, so the lettering survives being
// covered and uncovered.
void About::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFont font = LetteringFont(this->font());
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, this).ascent();
    const double x_pixels_per_twip = logicalDpiX() / kTwipsPerInch;
    const double y_pixels_per_twip = logicalDpiY() / kTwipsPerInch;
    // A window widened past kWindowWidth (long notices, large fonts) keeps the lettering where
    // it stands in kWindowWidth, centred.
    const double shift = std::max(0, width() - kWindowWidth) / 2.0;
    const QString name = QString::fromLatin1(kProgramName);
    for (const LetteringCopy& copy : RaisedLetteringCopies()) {
        painter.setPen(copy.yellow ? QColor(255, 255, 0) : QColor(0, 0, 0));
        // The copy's position is the top-left corner of its text; drawText wants the baseline.
        painter.drawText(QPointF(shift + copy.x_twips * x_pixels_per_twip,
                                 copy.y_twips * y_pixels_per_twip + ascent),
                         name);
    }
}

void About::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

}  // namespace orvantis
