#pragma once
// The host shell's main window: an MDI area where programs show their windows, a status bar whose
// panel 2 the active program writes, and the menu that opens the cost-accounting ledger inquiry.

#include "HostedProgram.h"
#include "ProgramLoader.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QMdiArea;

namespace hostshell {

class HostMainWindow : public QMainWindow {
    Q_OBJECT
public:
    HostMainWindow(std::shared_ptr<hostfw::ClsGlobal> session, const QString& pluginFile);
    ~HostMainWindow() override;

    QMdiArea* mdiArea() const { return mdi_; }
    hostfw::HostStatusBar* hostStatusBar() const { return statusBar_; }
    const std::vector<std::unique_ptr<HostedProgram>>& programs() const { return programs_; }

    // Opens the ledger inquiry; false (with the reason on the status bar) when it cannot be loaded.
    bool openLedgerInquiry();
    // Asks every program to close; false when one refused.
    bool closePrograms();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void openSourceProgramsHere();
    void closeLastProgram();
    void requestCompanyChange();

    std::shared_ptr<hostfw::ClsGlobal> session_;
    ProgramLoader loader_;
    QMdiArea* mdi_;
    hostfw::HostStatusBar* statusBar_;
    hostfw::JournalEntryPool* pool_;
    QAction* ledgerEntry_ = nullptr;
    std::vector<std::unique_ptr<HostedProgram>> programs_;
};

} // namespace hostshell
