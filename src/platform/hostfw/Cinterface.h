#pragma once
// The host contract of a plug-in program. The host creates the program's class, hands it the session
// objects and flags through these properties, and drives its window with ShowForm and CloseForm.
// The program's window reaches the session through the same contract (its ActiveDll).
//
// Objects the host owns (navigator, status bar, frame, menu entry) are passed as plain pointers and
// must outlive the program; the session and the connection are shared.

#include "HostBoolean.h"

#include <QObject>
#include <QVariant>
#include <QtPlugin>

#include <memory>

class QWidget;

namespace db {
class Connection;
}

namespace hostfw {

class ClsGlobal;
class HostStatusBar;
class Navigator;

class Cinterface {
public:
    virtual ~Cinterface() = default;

    virtual std::shared_ptr<hostfw::ClsGlobal> ClsGlobal() const = 0;
    virtual void setClsGlobal(std::shared_ptr<hostfw::ClsGlobal> session) = 0;
    virtual std::shared_ptr<db::Connection> Connection() const = 0;
    virtual void setConnection(std::shared_ptr<db::Connection> connection) = 0;
    virtual hostfw::Navigator* ActiveNavigator() const = 0;
    virtual void setActiveNavigator(hostfw::Navigator* navigator) = 0;
    virtual Cinterface* ActiveDll() const = 0;
    virtual void setActiveDll(Cinterface* contract) = 0;
    virtual QObject* ClsVoceMenu() const = 0;
    virtual void setClsVoceMenu(QObject* menuEntry) = 0;
    virtual hostfw::HostStatusBar* StatusBar() const = 0;
    virtual void setStatusBar(hostfw::HostStatusBar* statusBar) = 0;
    virtual QObject* ActiveFrame() const = 0;
    virtual void setActiveFrame(QObject* frame) = 0;
    virtual QWidget* Cwindow() const = 0;

    virtual HostBoolean IsActive() const = 0;
    virtual void setIsActive(HostBoolean value) = 0;
    virtual HostBoolean CanInsert() const = 0;
    virtual void setCanInsert(HostBoolean value) = 0;
    virtual HostBoolean CanDelete() const = 0;
    virtual void setCanDelete(HostBoolean value) = 0;
    virtual HostBoolean CanUpdate() const = 0;
    virtual void setCanUpdate(HostBoolean value) = 0;
    virtual HostBoolean CanQbe() const = 0;
    virtual void setCanQbe(HostBoolean value) = 0;
    virtual HostBoolean WindowModal() const = 0;
    virtual void setWindowModal(HostBoolean value) = 0;
    virtual HostBoolean IsCalled() const = 0;
    virtual void setIsCalled(HostBoolean value) = 0;

    // 16-bit values that the host passes as 32-bit: a value out of range keeps the old one.
    virtual qint16 WindowState() const = 0;
    virtual void setWindowState(qint32 value) = 0;
    virtual qint16 ProgramMode() const = 0;
    virtual void setProgramMode(qint32 value) = 0;

    // Passed as any value, kept as a 32-bit integer; a value that is no number keeps the old one.
    virtual QVariant Top() const = 0;
    virtual void setTop(const QVariant& value) = 0;
    virtual QVariant Left() const = 0;
    virtual void setLeft(const QVariant& value) = 0;
    virtual qint32 hwndParent() const = 0;
    virtual void sethwndParent(qint32 value) = 0;

    virtual QVariant MenuModulo() const = 0;
    virtual void setMenuModulo(const QVariant& value) = 0;
    virtual QVariant MenuPadre() const = 0;
    virtual void setMenuPadre(const QVariant& value) = 0;
    virtual QVariant MenuProg() const = 0;
    virtual void setMenuProg(const QVariant& value) = 0;
    virtual QVariant Caption() const = 0;
    virtual void setCaption(const QVariant& value) = 0;
    virtual QVariant Filtro() const = 0;
    virtual void setFiltro(const QVariant& value) = 0;

    // Creates and shows a new window (modal when WindowModal is true); answers an empty value.
    virtual QVariant ShowForm() = 0;
    // Unloads the window; answers a Boolean value: true when the window went, false when it refused.
    virtual QVariant CloseForm() = 0;
    // Hands data to the program, which passes it on unchanged; answers an empty value.
    virtual QVariant TransferData(const QVariant& data) = 0;
};

} // namespace hostfw

#define hostfw_Cinterface_iid "org.quorvane.hostfw.Cinterface/1.0"
Q_DECLARE_INTERFACE(hostfw::Cinterface, hostfw_Cinterface_iid)
Q_DECLARE_METATYPE(hostfw::Cinterface*)
