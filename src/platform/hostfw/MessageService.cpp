#include "MessageService.h"

namespace hostfw {

DialogAnswer MessageService::show(int kind, int number, const QString& extra, const QString& title) const
{
    DialogRequest request;
    request.icon = kind == messageKindRefusal ? DialogIcon::Warning : DialogIcon::Information;
    request.title = title;
    request.text = translator_.text(number);
    if (!extra.isEmpty())
        request.text += QLatin1Char('\n') + extra;
    return answerer_.answer(request);
}

} // namespace hostfw
