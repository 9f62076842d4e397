#include "FRMCI_QUORVANE.h"

#include "SelectionPanel.h"
#include "TraceLine.h"

#include "controls/DataGrid.h"
#include "controls/MovementTypeSelector.h"
#include "controls/QueryGrid.h"

#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/GlobalUtilities.h"
#include "hostfw/HostFrame.h"
#include "hostfw/HostStatusBar.h"
#include "hostfw/Navigator.h"
#include "hostfw/Phrases.h"
#include "hostfw/ScriptObjectModel.h"

#include "db/Connection.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QScopedValueRollback>

namespace quorvane::host {
namespace {

// The window's place in the host's frame before the user moves it, in twips.
constexpr int formWidthTwips = 15000;
constexpr int formHeightTwips = 8040;

// Navigator buttons the window leaves to the host: 14 and every button from 18 up.
bool isHostOnlyButton(qint32 button)
{
    return button == 14 || button >= 18;
}

} // namespace

QString FRMCI_QUORVANE::applicationTitle()
{
    return hostfw::userText("Partitario contabilità analitica");
}

FRMCI_QUORVANE::FRMCI_QUORVANE() : controls_(FormControls::build(this))
{
    setObjectName(formName);
    writeTrace(tag_.read(), TracePhase::Start, formName);
}

FRMCI_QUORVANE::~FRMCI_QUORVANE()
{
    if (frameWindow_ && frameWindow_ != this)
        hostfw::removeFromHostFrame(this, frameWindow_);
    writeTrace(tag_.read(), TracePhase::End, formName);
}

hostfw::TrapHandler FRMCI_QUORVANE::trap(const QString& procedure)
{
    return hostfw::reportTo([this] { return costUtilities_.get(); }, procedure);
}

void FRMCI_QUORVANE::Show(bool modal)
{
    if (!loaded_)
        Form_Load();
    applyWindowState();
    QWidget::show(); // the form itself may have been hidden inside its frame
    frameWindow()->show();
    frameWindow()->raise();
    Form_Activate();
    if (modal && loaded_) {
        QEventLoop loop;
        connect(this, &FRMCI_QUORVANE::unloaded, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void FRMCI_QUORVANE::Form_Load()
{
    loaded_ = true;
    MDIActiveX1_FormLoad();
}

// The host control of the window's frame: the window goes into the host's MDI area at the position
// the host asked for, with the window's own design size. The frame object the host gave carries the
// window, so the host's parent window handle is not needed to place it.
void FRMCI_QUORVANE::MDIActiveX1_FormLoad()
{
    hostfw::runUnderTrap(trap(QStringLiteral("MDIActiveX1_FormLoad")), [&] {
        const QRect twips(activeInterface_ ? activeInterface_->Left().toInt() : 0,
                          activeInterface_ ? activeInterface_->Top().toInt() : 0, formWidthTwips, formHeightTwips);
        frameWindow_ = hostfw::placeInHostFrame(this, activeInterface_ ? activeInterface_->ActiveFrame() : nullptr, twips);
        restoreWindowSize({hostfw::twipsToPixels(formWidthTwips), hostfw::twipsToPixels(formHeightTwips)});
    });
}

QWidget* FRMCI_QUORVANE::frameWindow()
{
    return frameWindow_ ? frameWindow_.data() : this;
}

void FRMCI_QUORVANE::applyWindowState()
{
    switch (formWindowState_) {
    case 1: frameWindow()->setWindowState(Qt::WindowMinimized); break;
    case 2: frameWindow()->setWindowState(Qt::WindowMaximized); break;
    default: frameWindow()->setWindowState(Qt::WindowNoState); break;
    }
}

void FRMCI_QUORVANE::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && loaded_)
        Form_Activate();
}

// A dialog shown during the set-up takes the activation away and gives it back: the set-up must
// not start again inside itself.
void FRMCI_QUORVANE::Form_Activate()
{
    if (activated_ || activating_)
        return;
    const QScopedValueRollback<bool> setUp(activating_, true);
    runFirstActivation();
}

bool FRMCI_QUORVANE::Unload()
{
    if (!loaded_)
        return true;
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel)
        return false;
    Form_Unload();
    loaded_ = false;
    hostfw::removeFromHostFrame(this, frameWindow_);
    frameWindow_ = nullptr;
    emit unloaded();
    if (released_)
        deleteLater();
    return true;
}

void FRMCI_QUORVANE::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    hostfw::runUnderTrap(hostfw::ignoreErrors(), [&] { applySplitterLayout(); });
}

void FRMCI_QUORVANE::closeEvent(QCloseEvent* event)
{
    if (Unload())
        event->accept();
    else
        event->ignore();
}

void FRMCI_QUORVANE::DetachFromPlugin()
{
    activeInterface_ = nullptr;
    plugin_ = nullptr;
}

void FRMCI_QUORVANE::Release()
{
    released_ = true;
    if (!loaded_)
        delete this;
}

// Tells the host the window is closing, then lets the form scripts refuse. The scripts hear
// "aqClose" only from a window whose set-up ran to its end and so announced itself with "aqOpen":
// a window that stopped half-way was never opened for them.
void FRMCI_QUORVANE::Form_QueryUnload(bool& cancel)
{
    hostfw::runUnderTrap(
        trap(QStringLiteral("Form_QueryUnload")),
        [&] {
            if (activeInterface_ && activeInterface_->ClsGlobal())
                activeInterface_->ClsGlobal()->NotifyFormClosing();
        },
        [&] {
            hostfw::Navigator* navigator = activeInterface_ ? activeInterface_->ActiveNavigator() : nullptr;
            if (!navigator)
                return;
            if (QObject* frame = activeInterface_->ActiveFrame())
                navigator->SetFrameStatus(frame->property("Status").toInt());
            navigator->NotifyFormClosing();
        },
        [&] {
            if (activated_ && !cancel)
                cancel = ExecuteFormEvent(QStringLiteral("aqClose"));
        });
}

// Releases what the set-up made, in order. Closing the connection discards the working table.
void FRMCI_QUORVANE::Form_Unload()
{
    hostfw::runUnderTrap(
        hostfw::ignoreErrors(), [&] { keepShape(); },
        [&] {
            if (costUtilities_)
                costUtilities_->terminate();
            costUtilities_.reset();
        },
        [&] {
            // The grids let go of their sets before the sets and the tree's keys close.
            disconnectResultCommands();
            controls_.GRD_MOVIMENTI->setRecordset(nullptr);
            controls_.GRD_DETTAGLIO->setRecordset(nullptr);
            ledger_.keys().RecordsetChiavi().Close();
            ledger_.SvuotaTree();
            detail_.reset();
            extraction_.reset();
            traceCommands_.reset();
            cellTexts_.reset();
        },
        [&] {
            // The grids and the panel read through the connection: they let go of it first.
            controls_.ADVQ_LIMITI->setEvents(nullptr);
            controls_.ADVQ_SELCONTI->setEvents(nullptr);
            controls_.USR_TIPOMOV->setSource(nullptr);
            trappedLimitsEvents_.reset();
            trappedAccountFilterEvents_.reset();
            limitsEvents_.reset();
            accountFilterEvents_.reset();
            lookupService_.reset();
            panel_.reset();
        },
        [&] { releaseSourceConnectors(); }, [&] { releasePrintObjects(); },
        [&] {
            services_.siteDecode.reset();
            services_.siteLookup.reset();
            services_.qevGlobal.reset();
        },
        [&] {
            if (connection_ && connection_->isOpen())
                connection_->Close();
        },
        [&] {
            connection_.reset();
            connectionFactory_.reset();
            services_.formManager.reset();
        },
        [&] {
            activeInterface_ = nullptr;
            plugin_ = nullptr;
        });
}

void FRMCI_QUORVANE::NavigatorButtonPressed(bool& fbolCancel, qint32 fenmButtonPress)
{
    Q_UNUSED(fbolCancel);
    hostfw::runUnderTrap(trap(QStringLiteral("NavigatorButtonPressed")), [&] {
        if (!isHostOnlyButton(fenmButtonPress))
            hostfw::GlobalUtilities::instance().restoreFocus(this);
    });
}

bool FRMCI_QUORVANE::ExecuteFormEvent(const QString& event)
{
    bool cancel = false;
    hostfw::runUnderTrap(trap(QStringLiteral("ExecuteFormEvent")), [&] {
        if (event != QLatin1String("aqOpen") && event != QLatin1String("aqClose"))
            return;
        hostfw::Navigator* navigator = activeInterface_ ? activeInterface_->ActiveNavigator() : nullptr;
        if (hostfw::ScriptObjectModel* script = navigator ? navigator->ScriptObject() : nullptr)
            cancel = script->RaiseFormEvent(event, formName, windowTitle());
    });
    return cancel;
}

void FRMCI_QUORVANE::ScriviSuPannello(const QString& text)
{
    hostfw::runUnderTrap(hostfw::ignoreErrors(), [&] {
        if (activeInterface_ && activeInterface_->StatusBar())
            activeInterface_->StatusBar()->setPanelText(2, text);
    });
}

} // namespace quorvane::host
