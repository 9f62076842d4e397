#include "MessageBoxAnswerer.h"

#include <QApplication>
#include <QMessageBox>

namespace hostfw {
namespace {

QMessageBox::Icon boxIcon(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::Warning: return QMessageBox::Warning;
    case DialogIcon::Critical: return QMessageBox::Critical;
    case DialogIcon::Information: break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons boxButtons(DialogButtons buttons)
{
    if (buttons == DialogButtons::AbortRetryIgnore)
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    return QMessageBox::Ok;
}

DialogAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Abort: return DialogAnswer::Abort;
    case QMessageBox::Retry: return DialogAnswer::Retry;
    case QMessageBox::Ignore: return DialogAnswer::Ignore;
    default: return DialogAnswer::Ok;
    }
}

} // namespace

DialogAnswer MessageBoxAnswerer::answer(const DialogRequest& request)
{
    QMessageBox box(boxIcon(request.icon), request.title, request.text, boxButtons(request.buttons),
                    QApplication::activeWindow());
    return answerOf(box.exec());
}

} // namespace hostfw
