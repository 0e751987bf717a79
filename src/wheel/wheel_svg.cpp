#include "wheel/wheel_svg.h"

#include <QBuffer>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include "wheel/qpainter_surface.h"

namespace orvantis {

QByteArray WheelSvg(const WheelInputs& inputs, QSize size) {
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(QStringLiteral("Chart wheel"));
        QPainter painter(&generator);
        PaintWheelOn(painter, QRectF(QPointF(0, 0), QSizeF(size)), inputs, true);
    }
    QString text = QString::fromUtf8(svg);
    // Families a browser or another renderer has: the glyph font's digits and signs are DejaVu
    // Sans's, and any sans-serif face holds them.
    const QString fallback = QStringLiteral("'DejaVu Sans', sans-serif\"");
    text.replace(QStringLiteral("\"QUERNA\""), QStringLiteral("\"QUERNA, ") + fallback);
    text.replace(QStringLiteral("\"DejaVu Sans\""), QStringLiteral("\"") + fallback);
    text.replace(QStringLiteral("\"Sans Serif\""), QStringLiteral("\"sans-serif\""));
    // The signs in labels as text, never as coloured emoji.
    for (char16_t sign = 0x2648; sign <= 0x2653; ++sign)
        text.replace(QChar(sign), QString(QChar(sign)) + QChar(char16_t{0xFE0E}));
    return text.toUtf8();
}

}  // namespace orvantis
