#pragma once
// The public class of the ledger inquiry: the host creates it, hands it the session objects through
// the host contract and asks it to show or close its window. It holds no business logic: it keeps
// what the host gives, relays the navigator's events to the window and brings the window back in
// front when a journal-entry program it opened closes.

#include "InstanceTag.h"

#include "hostfw/Cinterface.h"
#include "hostfw/HostStatusBar.h"
#include "hostfw/JournalEntryPool.h"
#include "hostfw/Navigator.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <memory>
#include <vector>

namespace hostfw {
class LayoutObjectModel;
class ScriptObjectModel;
}

namespace quorvane::host {

class FRMCI_QUORVANE;

class CLSCI_QUORVANE : public QObject, public hostfw::Cinterface {
    Q_OBJECT
    Q_INTERFACES(hostfw::Cinterface)
    Q_PROPERTY(QObject* Pool READ Pool WRITE setPool)
public:
    inline static const QString className = QStringLiteral("CLSCI_QUORVANE");
    inline static const QString registeredName = QStringLiteral("QUORVANE.CLSCI_QUORVANE");

    CLSCI_QUORVANE();
    ~CLSCI_QUORVANE() override;

    const QString& instanceTag() { return tag_.read(); }
    FRMCI_QUORVANE* window() const;

    // The journal-entry pool through which the window opens general-ledger programs.
    QObject* Pool() const;
    void setPool(QObject* pool);
    // Brings the window back in front, when there is one.
    Q_INVOKABLE void Refresh();

    // Cinterface
    std::shared_ptr<hostfw::ClsGlobal> ClsGlobal() const override { return clsGlobal_; }
    void setClsGlobal(std::shared_ptr<hostfw::ClsGlobal> session) override { clsGlobal_ = std::move(session); }
    std::shared_ptr<db::Connection> Connection() const override { return connection_; }
    void setConnection(std::shared_ptr<db::Connection> connection) override { connection_ = std::move(connection); }
    hostfw::Navigator* ActiveNavigator() const override { return navigator_; }
    void setActiveNavigator(hostfw::Navigator* navigator) override;
    hostfw::Cinterface* ActiveDll() const override { return activeDll_; }
    void setActiveDll(hostfw::Cinterface* contract) override { activeDll_ = contract; }
    QObject* ClsVoceMenu() const override { return clsVoceMenu_; }
    void setClsVoceMenu(QObject* menuEntry) override { clsVoceMenu_ = menuEntry; }
    hostfw::HostStatusBar* StatusBar() const override { return statusBar_; }
    void setStatusBar(hostfw::HostStatusBar* statusBar) override { statusBar_ = statusBar; }
    QObject* ActiveFrame() const override { return activeFrame_; }
    void setActiveFrame(QObject* frame) override { activeFrame_ = frame; }
    QWidget* Cwindow() const override { return nullptr; }

    hostfw::HostBoolean IsActive() const override { return isActive_; }
    void setIsActive(hostfw::HostBoolean value) override { isActive_ = value; }
    hostfw::HostBoolean CanInsert() const override { return canInsert_; }
    void setCanInsert(hostfw::HostBoolean value) override { canInsert_ = value; }
    hostfw::HostBoolean CanDelete() const override { return canDelete_; }
    void setCanDelete(hostfw::HostBoolean value) override { canDelete_ = value; }
    hostfw::HostBoolean CanUpdate() const override { return canUpdate_; }
    void setCanUpdate(hostfw::HostBoolean value) override { canUpdate_ = value; }
    hostfw::HostBoolean CanQbe() const override { return canQbe_; }
    void setCanQbe(hostfw::HostBoolean value) override { canQbe_ = value; }
    hostfw::HostBoolean WindowModal() const override { return windowModal_; }
    void setWindowModal(hostfw::HostBoolean value) override { windowModal_ = value; }
    hostfw::HostBoolean IsCalled() const override { return isCalled_; }
    void setIsCalled(hostfw::HostBoolean value) override { isCalled_ = value; }

    qint16 WindowState() const override { return windowState_; }
    void setWindowState(qint32 value) override;
    qint16 ProgramMode() const override { return programMode_; }
    void setProgramMode(qint32 value) override;
    QVariant Top() const override { return top_; }
    void setTop(const QVariant& value) override;
    QVariant Left() const override { return left_; }
    void setLeft(const QVariant& value) override;
    qint32 hwndParent() const override { return hwndParent_; }
    void sethwndParent(qint32 value) override { hwndParent_ = value; }

    QVariant MenuModulo() const override { return menuModulo_; }
    void setMenuModulo(const QVariant& value) override { menuModulo_ = value; }
    QVariant MenuPadre() const override { return menuPadre_; }
    void setMenuPadre(const QVariant& value) override { menuPadre_ = value; }
    QVariant MenuProg() const override { return menuProg_; }
    void setMenuProg(const QVariant& value) override { menuProg_ = value; }
    QVariant Caption() const override { return caption_; }
    void setCaption(const QVariant& value) override { caption_ = value; }
    QVariant Filtro() const override { return filtro_; }
    void setFiltro(const QVariant& value) override { filtro_ = value; }

    QVariant ShowForm() override;
    QVariant CloseForm() override;
    QVariant TransferData(const QVariant& data) override;

signals:
    void DataTransfer(const QVariant& Data);

private:
    // The navigator's events
    void ActiveNavigator_BeforeChangeDitta(bool& Cancel);
    void ActiveNavigator_BeforeExportToOffice(bool& Cancel, QObject* Pcls_ExpToOffice);
    void ActiveNavigator_ButtonPressed(bool& Cancel, qint32 ButtonPress);
    void ActiveNavigator_InitializeLayoutObjectModel(bool& Cancel, hostfw::LayoutObjectModel* ClsLayout);
    void ActiveNavigator_InitializeScriptObjectModel(bool& Cancel, hostfw::ScriptObjectModel* ClsScript);
    // Every closing event of the journal-entry pool
    void Pcls_PoolPNota_OnClosing();

    bool programStateFlag() const;
    void showNotice(int number);
    void adoptWindow(QObject* window);
    void forgetWindow();
    void connectPool();

    InstanceTag tag_;
    QPointer<FRMCI_QUORVANE> window_;
    std::vector<QPointer<FRMCI_QUORVANE>> windows_; // every window made, to detach them at the end
    hostfw::Cinterface* activeDll_ = nullptr;
    QPointer<hostfw::Navigator> navigator_;
    QPointer<hostfw::JournalEntryPool> pool_;
    QPointer<QObject> clsVoceMenu_;
    std::shared_ptr<hostfw::ClsGlobal> clsGlobal_;
    std::shared_ptr<db::Connection> connection_;
    QPointer<hostfw::HostStatusBar> statusBar_;
    QPointer<QObject> activeFrame_;

    hostfw::HostBoolean isActive_ = hostfw::hostFalse;
    hostfw::HostBoolean canInsert_ = hostfw::hostFalse;
    hostfw::HostBoolean canDelete_ = hostfw::hostFalse;
    hostfw::HostBoolean canUpdate_ = hostfw::hostFalse;
    hostfw::HostBoolean canQbe_ = hostfw::hostFalse;
    hostfw::HostBoolean windowModal_ = hostfw::hostFalse;
    hostfw::HostBoolean isCalled_ = hostfw::hostFalse;
    qint16 windowState_ = 0;
    qint16 programMode_ = 0;
    QVariant top_ = QVariant(qint32(0));
    QVariant left_ = QVariant(qint32(0));
    qint32 hwndParent_ = 0;
    QVariant menuModulo_;
    QVariant menuPadre_;
    QVariant menuProg_;
    QVariant caption_;
    QVariant filtro_;
};

} // namespace quorvane::host
