#include "shell/system_locale_regional.h"

#include <QLocale>
#include <QString>

namespace orvantis {

std::optional<std::string> SystemLocaleRegional::Value(std::string_view key) const {
    const QLocale locale = QLocale::system();
    if (key == kTimeFormatKey) {
        const QString pattern = locale.timeFormat(QLocale::LongFormat);
        return std::to_string(TimeFormatFromPattern(pattern.toStdString()));
    }
    return std::nullopt;
}

}  // namespace orvantis
