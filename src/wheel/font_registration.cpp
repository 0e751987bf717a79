#include "wheel/font_registration.h"

#include <QFontDatabase>

namespace orvantis {

FontRegistration::FontRegistration(const QString& font_file)
    : id_(QFontDatabase::addApplicationFont(font_file)) {}

void FontRegistration::Remove() {
    if (id_ >= 0) QFontDatabase::removeApplicationFont(id_);
    id_ = -1;
}

}  // namespace orvantis
