#include "CLSCI_QUORVANE.h"

#include "FRMCI_QUORVANE.h"
#include "HostConversions.h"
#include "HostMessages.h"
#include "TraceLine.h"

#include "hostfw/ClsGlobal.h"
#include "hostfw/ErrorTrap.h"
#include "hostfw/GlobalUtilities.h"
#include "hostfw/HostStatusBar.h"
#include "hostfw/JournalEntryPool.h"
#include "hostfw/LayoutObjectModel.h"
#include "hostfw/MessageService.h"
#include "hostfw/Navigator.h"
#include "hostfw/ScriptObjectModel.h"

#include <stdexcept>

namespace quorvane::host {

using hostfw::ignoreErrors;
using hostfw::runUnderTrap;

CLSCI_QUORVANE::CLSCI_QUORVANE()
{
    runUnderTrap(ignoreErrors(), [&] { writeTrace(tag_.read(), TracePhase::Start, className); },
                 [&] { activeDll_ = this; });
}

// The end trace comes first, then everything the host gave is let go in a fixed order, the window
// before the host's own objects it may still be using.
CLSCI_QUORVANE::~CLSCI_QUORVANE()
{
    runUnderTrap(
        ignoreErrors(), [&] { writeTrace(tag_.read(), TracePhase::End, className); }, [&] { setPool(nullptr); },
        [&] {
            for (FRMCI_QUORVANE* window : windows_) {
                if (window)
                    window->DetachFromPlugin();
            }
        },
        [&] { forgetWindow(); },
        [&] {
            statusBar_ = nullptr;
            activeFrame_ = nullptr;
        },
        [&] { connection_.reset(); }, [&] { clsVoceMenu_ = nullptr; }, [&] { clsGlobal_.reset(); },
        [&] { setActiveNavigator(nullptr); }, [&] { activeDll_ = nullptr; });
}

FRMCI_QUORVANE* CLSCI_QUORVANE::window() const
{
    return window_;
}

void CLSCI_QUORVANE::setWindowState(qint32 value)
{
    if (const auto state = toInteger16(value))
        windowState_ = *state;
}

void CLSCI_QUORVANE::setProgramMode(qint32 value)
{
    if (const auto mode = toInteger16(value))
        programMode_ = *mode;
}

void CLSCI_QUORVANE::setTop(const QVariant& value)
{
    if (const auto top = toInteger32(value))
        top_ = QVariant(*top);
}

void CLSCI_QUORVANE::setLeft(const QVariant& value)
{
    if (const auto left = toInteger32(value))
        left_ = QVariant(*left);
}

QVariant CLSCI_QUORVANE::ShowForm()
{
    runUnderTrap(
        ignoreErrors(),
        [&] {
            forgetWindow();
            window_ = new FRMCI_QUORVANE;
            windows_.push_back(window_);
        },
        [&] {
            window_->setActiveInterface(activeDll_);
            // The plug-in reference is the same contract seen as this class; a host that replaced
            // ActiveDll with a contract of its own leaves the window without one.
            window_->setPlugin(dynamic_cast<CLSCI_QUORVANE*>(activeDll_));
        },
        [&] {
            window_->setFormWindowState(windowState_);
            window_->setWindowTitle(hostfw::GlobalUtilities::nzText(caption_));
        },
        [&] { window_->Show(hostfw::isTrue(windowModal_)); });
    return {};
}

QVariant CLSCI_QUORVANE::CloseForm()
{
    bool closed = false;
    runUnderTrap(
        ignoreErrors(),
        [&] {
            if (activeDll_ && activeDll_->ClsGlobal())
                activeDll_->ClsGlobal()->NotifyFormClosing();
        },
        [&] {
            if (activeDll_ && activeDll_->ActiveNavigator())
                activeDll_->ActiveNavigator()->NotifyFormClosing();
        },
        [&] {
            if (!window_)
                throw std::logic_error("there is no window to close");
            window_->Unload();
        },
        [&] { closed = window_ && window_->ActiveInterface() == nullptr; });
    return QVariant(closed);
}

QVariant CLSCI_QUORVANE::TransferData(const QVariant& data)
{
    emit DataTransfer(data);
    return {};
}

QObject* CLSCI_QUORVANE::Pool() const
{
    return pool_;
}

void CLSCI_QUORVANE::setPool(QObject* pool)
{
    if (pool_)
        disconnect(pool_, nullptr, this, nullptr);
    // dynamic_cast rather than qobject_cast: the pool is the host's object, and the plug-in's copy of
    // the framework may carry a meta-object of its own.
    pool_ = dynamic_cast<hostfw::JournalEntryPool*>(pool);
    if (pool_)
        connectPool();
}

void CLSCI_QUORVANE::connectPool()
{
    using Pool = hostfw::JournalEntryPool;
    for (void (Pool::*closing)() :
         {&Pool::OnClosingCompensi, &Pool::OnClosingCorrG, &Pool::OnClosingCorrMens, &Pool::OnClosingMovBeniUs,
          &Pool::OnClosingMovIva, &Pool::OnClosingPagamento, &Pool::OnClosingPagFatEdit, &Pool::OnClosingPagFatSosp,
          &Pool::OnClosingPagRitAtt, &Pool::OnClosingRegMovCassa, &Pool::OnClosingRegMovCont,
          &Pool::OnClosingVersRitAcc})
        connect(pool_, closing, this, &CLSCI_QUORVANE::Pcls_PoolPNota_OnClosing);
}

void CLSCI_QUORVANE::Refresh()
{
    runUnderTrap(hostfw::leaveSilently(), [&] {
        if (window_ && window_->isLoaded())
            window_->Show(false);
    });
}

void CLSCI_QUORVANE::Pcls_PoolPNota_OnClosing()
{
    Refresh();
}

void CLSCI_QUORVANE::setActiveNavigator(hostfw::Navigator* navigator)
{
    if (navigator_)
        disconnect(navigator_, nullptr, this, nullptr);
    navigator_ = navigator;
    if (!navigator_)
        return;
    using hostfw::Navigator;
    connect(navigator_, &Navigator::BeforeChangeDitta, this, &CLSCI_QUORVANE::ActiveNavigator_BeforeChangeDitta);
    connect(navigator_, &Navigator::BeforeExportToOffice, this,
            &CLSCI_QUORVANE::ActiveNavigator_BeforeExportToOffice);
    connect(navigator_, &Navigator::ButtonPressed, this, &CLSCI_QUORVANE::ActiveNavigator_ButtonPressed);
    connect(navigator_, &Navigator::InitializeLayoutObjectModel, this,
            &CLSCI_QUORVANE::ActiveNavigator_InitializeLayoutObjectModel);
    connect(navigator_, &Navigator::InitializeScriptObjectModel, this,
            &CLSCI_QUORVANE::ActiveNavigator_InitializeScriptObjectModel);
}

// The program-state flag of the contract is IsActive: while the host marks the program active, the
// window owns the company's data on screen, so the host's export and its button 25 are refused and
// the host's layout and script models are attached to the window.
bool CLSCI_QUORVANE::programStateFlag() const
{
    return activeDll_ && hostfw::isTrue(activeDll_->IsActive());
}

void CLSCI_QUORVANE::showNotice(int number)
{
    if (!window_ || !window_->costUtilities())
        throw std::logic_error("the window cannot show messages before its set-up");
    window_->costUtilities()->showMessage(hostfw::messageKindNotice, number);
}

void CLSCI_QUORVANE::ActiveNavigator_BeforeChangeDitta(bool& Cancel)
{
    runUnderTrap(ignoreErrors(), [&] { Cancel = true; }, [&] { showNotice(messages::companyChangeRefused); });
}

void CLSCI_QUORVANE::ActiveNavigator_BeforeExportToOffice(bool& Cancel, QObject* Pcls_ExpToOffice)
{
    Q_UNUSED(Pcls_ExpToOffice);
    runUnderTrap(ignoreErrors(), [&] {
        if (!programStateFlag())
            return hostfw::StepFlow::Leave;
        Cancel = true;
        showNotice(messages::exportRefused);
        return hostfw::StepFlow::Next;
    });
}

void CLSCI_QUORVANE::ActiveNavigator_ButtonPressed(bool& Cancel, qint32 ButtonPress)
{
    runUnderTrap(ignoreErrors(), [&] {
        if (!programStateFlag() || Cancel || ButtonPress != 25)
            return hostfw::StepFlow::Leave;
        Cancel = true;
        showNotice(messages::buttonRefused);
        return hostfw::StepFlow::Next;
    });
}

void CLSCI_QUORVANE::ActiveNavigator_InitializeLayoutObjectModel(bool& Cancel, hostfw::LayoutObjectModel* ClsLayout)
{
    Q_UNUSED(Cancel);
    runUnderTrap(ignoreErrors(), [&] {
        if (programStateFlag() && ClsLayout && window_)
            adoptWindow(ClsLayout->AttachForm(window_, FRMCI_QUORVANE::formName));
    });
}

void CLSCI_QUORVANE::ActiveNavigator_InitializeScriptObjectModel(bool& Cancel, hostfw::ScriptObjectModel* ClsScript)
{
    Q_UNUSED(Cancel);
    runUnderTrap(ignoreErrors(), [&] {
        if (programStateFlag() && ClsScript && window_)
            adoptWindow(ClsScript->AttachForm(window_, FRMCI_QUORVANE::formName, window_->windowTitle()));
    });
}

void CLSCI_QUORVANE::adoptWindow(QObject* window)
{
    auto* form = qobject_cast<FRMCI_QUORVANE*>(window);
    if (!form)
        throw std::runtime_error("the object model gave back no ledger inquiry window");
    if (form != window_) {
        forgetWindow();
        window_ = form;
        windows_.push_back(window_);
    }
}

// Lets go of the window, which goes when it is not (or no longer) on screen. A forgotten window still
// open keeps working with this class until the class ends.
void CLSCI_QUORVANE::forgetWindow()
{
    if (window_)
        window_->Release();
    window_ = nullptr;
}

} // namespace quorvane::host
