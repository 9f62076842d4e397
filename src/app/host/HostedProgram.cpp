#include "HostedProgram.h"

#include "hostfw/HostBoolean.h"

#include <QMdiArea>

namespace hostshell {

HostedProgram::HostedProgram(ProgramLoader& loader, const QString& className, const HostContext& host,
                             const MenuPlace& menu)
    : program_(loader.create(className)), contract_(contractOf(program_.get()))
{
    hostfw::Cinterface& c = *contract_;
    c.setClsGlobal(host.session);
    c.setActiveNavigator(&navigator_);
    c.setClsVoceMenu(host.menuEntry);
    c.setStatusBar(host.statusBar);
    c.setActiveFrame(host.frame);
    c.sethwndParent(host.parentWindow);
    // An inquiry: active while shown, nothing to insert, delete or update, shown modeless.
    c.setIsActive(hostfw::hostTrue);
    c.setCanInsert(hostfw::hostFalse);
    c.setCanDelete(hostfw::hostFalse);
    c.setCanUpdate(hostfw::hostFalse);
    c.setCanQbe(hostfw::hostFalse);
    c.setWindowModal(hostfw::hostFalse);
    c.setIsCalled(hostfw::hostFalse);
    c.setWindowState(0);
    c.setProgramMode(0);
    c.setTop(0);
    c.setLeft(0);
    c.setMenuModulo(menu.module);
    c.setMenuPadre(menu.parent);
    c.setMenuProg(menu.program);
    c.setCaption(menu.caption);
    c.setFiltro(QString());
    program_->setProperty("Pool", QVariant::fromValue<QObject*>(host.pool));
}

HostedProgram::~HostedProgram() = default;

void HostedProgram::show()
{
    contract_->ShowForm();
}

bool HostedProgram::close()
{
    return contract_->CloseForm().toBool();
}

} // namespace hostshell
