#include "windows/message_box_notifier.h"

#include <QMessageBox>
#include <QString>

namespace orvantis {
namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
    switch (icon) {
        case Icon::kExclamation:
            return QMessageBox::Warning;
        case Icon::kCritical:
            return QMessageBox::Critical;
        case Icon::kInformation:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

void MessageBoxNotifier::Notify(const Problem& problem) {
    QMessageBox box(BoxIcon(problem.icon), QString::fromStdString(problem.title),
                    QString::fromStdString(problem.text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace orvantis
