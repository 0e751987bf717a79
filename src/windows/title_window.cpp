#include "windows/title_window.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace orvantis {
namespace {

// The window's size in pixels at 96 dpi.
constexpr int kWindowWidth = 481;
constexpr int kWindowHeight = 367;
constexpr int kIconPixels = 64;

QLabel* NoticeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}

}  // namespace

QPixmap WheelIcon(int pixels) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double centre = pixels / 2.0;
    const double outer = pixels * 0.46;
    const double inner = pixels * 0.26;
    const QColor ink(0, 0, 128);

    painter.setPen(QPen(ink, std::max(1.0, pixels / 32.0)));
    painter.setBrush(QColor(255, 255, 240));
    painter.drawEllipse(QPointF(centre, centre), outer, outer);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(centre, centre), inner, inner);
    for (int spoke = 0; spoke < 12; ++spoke) {
        const double angle = spoke * std::numbers::pi / 6;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        painter.drawLine(QPointF(centre, centre) + direction * inner,
                         QPointF(centre, centre) + direction * outer);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(218, 165, 32));
    painter.drawEllipse(QPointF(centre, centre), pixels * 0.09, pixels * 0.09);
    return pixmap;
}

namespace {

// The wheel icon beside the program's name and version, centred.
QLayout* TitleHeading(QWidget* window) {
    auto* icon = new QLabel(window);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(WheelIcon(kIconPixels));
    icon->setFixedSize(kIconPixels, kIconPixels);
    auto* name = new QLabel(QStringLiteral("ORVANTIS"), window);
    name->setObjectName(QStringLiteral("programNameLabel"));
    QFont name_font = window->font();
    name_font.setPointSize(24);
    name_font.setBold(true);
    name->setFont(name_font);
    auto* version = new QLabel(QStringLiteral("Version 2.25"), window);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* heading_text = new QVBoxLayout;
    heading_text->addWidget(name);
    heading_text->addWidget(version);
    auto* heading = new QHBoxLayout;
    heading->addStretch();
    heading->addWidget(icon);
    heading->addSpacing(16);
    heading->addLayout(heading_text);
    heading->addStretch();
    return heading;
}

}  // namespace

TitleWindow::TitleWindow(QWidget* parent)
    : QDialog(parent), ok_button_(new QPushButton(QStringLiteral("CONTINUE"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("TITLE"));
    setWindowTitle(QStringLiteral("Orvantis"));
    setModal(true);

    QFont button_font = font();
    button_font.setPointSize(12);
    button_font.setBold(true);
    ok_button_->setObjectName(QStringLiteral("okButton"));
    ok_button_->setFont(button_font);
    ok_button_->setDefault(true);
    connect(ok_button_, &QPushButton::clicked, this, &QDialog::accept);
    auto* button_row = new QHBoxLayout;
    button_row->addStretch();
    button_row->addWidget(ok_button_);
    button_row->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addLayout(TitleHeading(this));
    layout->addSpacing(16);
    for (const char* notice :
         {"An astrological clock: the chart of the present moment at your home place, redrawn "
          "every minute.",
          "Free software under the MIT licence; see Help, License Agreement.",
          "Positions come from analytic series of limited precision. No warranty."})
        layout->addWidget(NoticeLabel(QString::fromLatin1(notice), this));
    layout->addStretch();
    layout->addLayout(button_row);
    resize(QSize(kWindowWidth, kWindowHeight).expandedTo(sizeHint()));
}

void TitleWindow::ShowModal(QWidget* parent) {
    auto* title = new TitleWindow(parent);
    // exec() deletes a window marked delete-on-close once it returns.
    title->exec();
}

}  // namespace orvantis
