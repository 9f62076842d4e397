#include "Navigator.h"

#include "LayoutObjectModel.h"
#include "ScriptObjectModel.h"

namespace hostfw {

Navigator::Navigator(QObject* parent)
    : QObject(parent), layout_(new LayoutObjectModel(this)), script_(new ScriptObjectModel(this))
{
}

bool Navigator::RequestCompanyChange()
{
    bool cancel = false;
    emit BeforeChangeDitta(cancel);
    return cancel;
}

bool Navigator::RequestExportToOffice(QObject* exporter)
{
    bool cancel = false;
    emit BeforeExportToOffice(cancel, exporter);
    return cancel;
}

bool Navigator::PressButton(qint32 button)
{
    bool cancel = false;
    emit ButtonPressed(cancel, button);
    return cancel;
}

void Navigator::InitializeObjectModels()
{
    bool cancel = false;
    emit InitializeLayoutObjectModel(cancel, layout_);
    cancel = false;
    emit InitializeScriptObjectModel(cancel, script_);
}

ScriptObjectModel* Navigator::ScriptObject() const
{
    return script_->form() ? script_ : nullptr;
}

void Navigator::SetFrameStatus(int status)
{
    frameStatus_ = status;
}

void Navigator::NotifyFormClosing()
{
    emit FormClosing();
}

} // namespace hostfw
