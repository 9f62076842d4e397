#include "ScriptObjectModel.h"

namespace hostfw {

QObject* ScriptObjectModel::AttachForm(QObject* form, const QString& name, const QString& caption)
{
    form_ = form;
    formName_ = name;
    caption_ = caption;
    return form;
}

bool ScriptObjectModel::RaiseFormEvent(const QString& event, const QString& formName, const QString& caption)
{
    bool cancel = false;
    emit formEvent(event, formName, caption, cancel);
    return cancel;
}

} // namespace hostfw
