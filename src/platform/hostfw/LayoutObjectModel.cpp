#include "LayoutObjectModel.h"

namespace hostfw {

QObject* LayoutObjectModel::AttachForm(QObject* form, const QString& identity)
{
    form_ = form;
    identity_ = identity;
    return form;
}

} // namespace hostfw
