#pragma once
// One program the host runs: its public class, created through the program loader, given the host's
// objects and flags through the host contract, and its own navigator. Ending the hosted program ends
// the class, which lets go of its window and of what the host gave it.

#include "ProgramLoader.h"

#include "hostfw/ClsGlobal.h"
#include "hostfw/HostStatusBar.h"
#include "hostfw/JournalEntryPool.h"
#include "hostfw/Navigator.h"

#include <QPointer>

#include <memory>

class QMdiArea;

namespace hostshell {

// What the host hands every program it opens.
struct HostContext {
    std::shared_ptr<hostfw::ClsGlobal> session;
    hostfw::HostStatusBar* statusBar = nullptr;
    QMdiArea* frame = nullptr;
    QObject* menuEntry = nullptr;
    hostfw::JournalEntryPool* pool = nullptr;
    qint32 parentWindow = 0;
};

// How the host's menu names the program.
struct MenuPlace {
    QString module;
    QString parent;
    QString program;
    QString caption;
};

class HostedProgram {
public:
    HostedProgram(ProgramLoader& loader, const QString& className, const HostContext& host, const MenuPlace& menu);
    ~HostedProgram();

    hostfw::Cinterface& contract() const { return *contract_; }
    hostfw::Navigator& navigator() { return navigator_; }
    QObject* object() const { return program_.get(); }

    void show();
    // Asks the program to close its window; true when it went.
    bool close();

private:
    hostfw::Navigator navigator_; // outlives the program, which holds it until its end
    std::unique_ptr<QObject> program_;
    hostfw::Cinterface* contract_;
};

} // namespace hostshell
