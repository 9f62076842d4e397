// Opening the source of the current movement line: the modify command asks the company database where the
// movement came from and opens the host program that owns it (the cost-accounting movements program, the
// journal-entry program, the reconciliation program or the warehouse document program). The window hides
// while that program is open; the program's closing event shows it again.

#include "FRMCI_QUORVANE.h"

#include "CLSCI_QUORVANE.h"

#include "controls/DataGrid.h"
#include "drill/SourceDecision.h"
#include "drill/SourceStatements.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/CostLookupDecode.h"
#include "hostfw/JournalEntryPool.h"
#include "hostfw/MessageService.h"

#include <QCoreApplication>
#include <QPushButton>

#include <stdexcept>

namespace quorvane::host {
namespace {

// The database's answers, each asked as a procedure of the window: an error is reported under the
// question's own name and the answer is then false, as the question's result was when it failed.
class TrappedSourceChecks final : public drill::SourceChecks {
public:
    TrappedSourceChecks(FRMCI_QUORVANE& window, drill::SourceChecks& database) : window_(window), database_(database) {}

    bool EsisteMovimentoCoIn(int company, const std::string& number) override
    {
        return ask(QStringLiteral("EsisteMovimentoCoIn"), [&] { return database_.EsisteMovimentoCoIn(company, number); });
    }
    bool EsisteMovimentoCoGeCollegato(int company, const std::string& number, std::string* reason) override
    {
        return ask(QStringLiteral("EsisteMovimentoCoGeCollegato"),
                   [&] { return database_.EsisteMovimentoCoGeCollegato(company, number, reason); });
    }
    bool EsisteDocumentoCollegato(int company, const std::string& number, std::string& key) override
    {
        return ask(QStringLiteral("EsisteDocumentoCollegato"),
                   [&] { return database_.EsisteDocumentoCollegato(company, number, key); });
    }
    bool MovimentoModificabileDaPN(int company, const std::string& number) override
    {
        return ask(QStringLiteral("MovimentoModificabileDaPN"),
                   [&] { return database_.MovimentoModificabileDaPN(company, number); });
    }

private:
    template <class Question>
    bool ask(const QString& procedure, Question question)
    {
        bool answer = false;
        hostfw::runUnderTrap(window_.trap(procedure), [&] { answer = question(); });
        return answer;
    }

    FRMCI_QUORVANE& window_;
    drill::SourceChecks& database_;
};

hostfw::ClsGlobal& sessionOf(hostfw::Cinterface* contract)
{
    if (!contract || !contract->ClsGlobal())
        throw std::logic_error("the window has no session to open a program in");
    return *contract->ClsGlobal();
}

hostfw::StockLookupDecode& warehouseConnectorOf(const ServiceObjects& services)
{
    if (!services.warehouseConnector)
        throw std::logic_error("the window has no warehouse connector before its first activation");
    return *services.warehouseConnector;
}

hostfw::JournalEntryPool& journalEntryPoolOf(const CLSCI_QUORVANE* plugin)
{
    auto* pool = plugin ? dynamic_cast<hostfw::JournalEntryPool*>(plugin->Pool()) : nullptr;
    if (!pool)
        throw std::logic_error("the ledger inquiry holds no journal-entry pool");
    return *pool;
}

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

void FRMCI_QUORVANE::setUpSourceCommands()
{
    connect(controls_.CMD_MODIFICA, &QPushButton::clicked, this, [this] { CMD_MODIFICA_ButtonClick(); });
    // A double click is how a user opens a line anywhere else: here it opens the source as "Modifica" does.
    connect(controls_.GRD_MOVIMENTI, &QAbstractItemView::doubleClicked, this, [this] { CMD_MODIFICA_ButtonClick(); });
    connect(services_.warehouseConnector.get(), &hostfw::StockLookupDecode::CloseForm, this,
            [this](int programCode) { gclsConnectMagazzino_CloseForm(programCode); });
}

// A program still open when the window unloads stays open; only its connector goes.
void FRMCI_QUORVANE::releaseSourceConnectors()
{
    disconnect(controls_.CMD_MODIFICA, nullptr, this, nullptr);
    disconnect(controls_.GRD_MOVIMENTI, &QAbstractItemView::doubleClicked, this, nullptr);
    services_.warehouseConnector.reset();
    delete PclsConnectCOAN.data();
}

void FRMCI_QUORVANE::CMD_MODIFICA_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_MODIFICA_ButtonClick")), [&] {
        if (drill::sourceLineOf(controls_.GRD_MOVIMENTI->recordset()))
            GestioneMovimentoCOIN();
    });
}

void FRMCI_QUORVANE::GestioneMovimentoCOIN()
{
    hostfw::runUnderTrap(trap(QStringLiteral("GestioneMovimentoCOIN")), [&] {
        const std::optional<drill::SourceLine> line = drill::sourceLineOf(controls_.GRD_MOVIMENTI->recordset());
        if (!line)
            return;
        drill::DatabaseSourceChecks database(*connection_, sessionOf(activeInterface_).Company().ledgerEditSetting);
        TrappedSourceChecks checks(*this, database);
        const drill::SourceLaunch launch = drill::chooseSourceProgram(checks, settings_.ditta.toInt(), *line);
        switch (launch.program) {
        case drill::SourceProgram::None:
            costUtilities_->showMessage(hostfw::messageKindRefusal, launch.message);
            break;
        case drill::SourceProgram::Movements:
            EseguiProgrammaMovimentiCOIN(text(launch.reason), launch.company, text(launch.number));
            break;
        case drill::SourceProgram::JournalEntry:
            EseguiProgrammaMovimentiCOGE(text(launch.ledgerReason), launch.company, text(launch.number));
            break;
        case drill::SourceProgram::Reconciliation:
            EseguiProgrammaQuadratura(launch.company, text(launch.number));
            break;
        case drill::SourceProgram::Document:
            ApriDocumentoCollegato(text(launch.number), text(launch.documentKey));
            break;
        }
    });
}

void FRMCI_QUORVANE::EseguiProgrammaMovimentiCOIN(const QString& reason, int company, const QString& number)
{
    runCostProgram(QStringLiteral("EseguiProgrammaMovimentiCOIN"), &reason, company, number,
                   &hostfw::CostLookupDecode::EseguiMovimenti);
}

void FRMCI_QUORVANE::EseguiProgrammaQuadratura(int company, const QString& number)
{
    runCostProgram(QStringLiteral("EseguiProgrammaQuadratura"), nullptr, company, number,
                   &hostfw::CostLookupDecode::EseguiQuadratura);
}

// The cost-accounting programs run modeless: once one is open the host may be used again, and the
// connector's closing event brings the window back.
void FRMCI_QUORVANE::runCostProgram(const QString& procedure, const QString* reason, int company,
                                    const QString& number, void (hostfw::CostLookupDecode::*program)())
{
    hostfw::runUnderTrap(
        trap(procedure),
        [&] {
            if (PclsConnectCOAN)
                return;
            PclsConnectCOAN = new hostfw::CostLookupDecode(this);
            connect(PclsConnectCOAN, &hostfw::CostLookupDecode::ChiusuraMovimentiContabilitaIndustriale, this,
                    [this] { PclsConnectCOAN_ChiusuraMovimentiContabilitaIndustriale(); });
        },
        [&] { PclsConnectCOAN->setSession(activeInterface_->ClsGlobal()); },
        [&] {
            if (reason)
                PclsConnectCOAN->setCausale(*reason);
            PclsConnectCOAN->setDitta(company);
            PclsConnectCOAN->setNumReg(number);
        },
        [&] { hideWhileSourceIsOpen(); },
        [&] {
            // A program that did not open leaves nothing to close: the window comes back at once.
            try {
                (PclsConnectCOAN->*program)();
            } catch (...) {
                Show(false);
                throw;
            }
        },
        [&] { PclsConnectCOAN->setSession(nullptr); },
        [&] { sessionOf(activeInterface_).EnableHostInteraction(true); },
        [&] { PclsConnectCOAN->TerminaEsecuzione(); });
}

void FRMCI_QUORVANE::EseguiProgrammaMovimentiCOGE(const QString& ledgerReason, int company, const QString& number)
{
    QString filter;
    hostfw::runUnderTrap(
        trap(QStringLiteral("EseguiProgrammaMovimentiCOGE")), [&] { PreparaPoolPrimaNota(); },
        [&] { filter = text(drill::journalEntryFilter(company, number.toStdString())); },
        [&] {
            hostfw::JournalEntryPool& pool = journalEntryPoolOf(plugin_);
            pool.ActiveInterfaceQuery = plugin_;
            pool.Causale = ledgerReason;
            pool.Filtro = filter;
        },
        [&] { hideWhileSourceIsOpen(); },
        [&] {
            try {
                journalEntryPoolOf(plugin_).ExecutePNota();
            } catch (...) {
                Show(false);
                throw;
            }
        });
}

// The pool belongs to the plug-in class; a host that gave none gets one here, in inquiry mode on the
// window's connection.
void FRMCI_QUORVANE::PreparaPoolPrimaNota()
{
    hostfw::runUnderTrap(hostfw::ignoreErrors(), [&] {
        if (!plugin_ || dynamic_cast<hostfw::JournalEntryPool*>(plugin_->Pool()))
            return;
        auto* pool = new hostfw::JournalEntryPool(plugin_);
        plugin_->setPool(pool);
        pool->PbolActiveQuery = true;
        pool->Connessione = connection_;
    });
}

// The document program is worked on alone: the host's own commands wait until it closes. A document that
// did not open gives them, and the window, back at once.
void FRMCI_QUORVANE::ApriDocumentoCollegato(const QString& number, const QString& documentKey)
{
    const auto warehouse = [this]() -> hostfw::StockLookupDecode& { return warehouseConnectorOf(services_); };
    hostfw::runUnderTrap(
        hostfw::ignoreErrors(), [&] { hideWhileSourceIsOpen(); },
        [&] { sessionOf(activeInterface_).EnableHostInteraction(false); },
        [&] { warehouse().setSession(activeInterface_->ClsGlobal()); },
        [&] {
            warehouse().setModifica(false);
            warehouse().setInserimento(false);
            warehouse().setCancellazione(false);
        },
        [&] { warehouse().ApriDocumento(number, documentKey); },
        [&] {
            if (services_.warehouseConnector && services_.warehouseConnector->program())
                return;
            sessionOf(activeInterface_).EnableHostInteraction(true);
            Show(false);
        });
}

void FRMCI_QUORVANE::hideWhileSourceIsOpen()
{
    frameWindow()->hide();
}

void FRMCI_QUORVANE::PclsConnectCOAN_ChiusuraMovimentiContabilitaIndustriale()
{
    hostfw::runUnderTrap(
        trap(QStringLiteral("PclsConnectCOAN_ChiusuraMovimentiContabilitaIndustriale")), [&] { Show(false); },
        [&] {
            if (!PclsConnectCOAN)
                return;
            PclsConnectCOAN->Chiudi();
            // The connector is still raising this event: it goes once the event is over.
            PclsConnectCOAN->deleteLater();
            PclsConnectCOAN = nullptr;
        });
}

void FRMCI_QUORVANE::gclsConnectMagazzino_CloseForm(int programCode)
{
    if (programCode != hostfw::StockLookupDecode::documentProgramCode)
        return;
    const auto warehouse = [this]() -> hostfw::StockLookupDecode& { return warehouseConnectorOf(services_); };
    hostfw::runUnderTrap(
        hostfw::ignoreErrors(), [&] { QCoreApplication::processEvents(); }, [&] { warehouse().setSession(nullptr); },
        [&] { warehouse().Pulisci(); }, [&] { warehouse().RipristinaOpzioni(); },
        [&] { warehouse().TerminaEsecuzione(); },
        [&] { sessionOf(activeInterface_).EnableHostInteraction(true); }, [&] { Show(false); });
}

} // namespace quorvane::host
