// Printing the ledger: the print command and its menu, the print routine that hands the report service the
// ledger's statement (the last processing's condition, and the selected group's for "Stampa solo gruppo
// corrente"), and the report's formulas and parameters written from the window just before it prints.

#include "FRMCI_QUORVANE.h"
#include "SelectionPanel.h"

#include "controls/CheckField.h"
#include "controls/GroupTreeView.h"
#include "controls/LabelField.h"
#include "controls/OrderGrid.h"
#include "controls/ToolbarMenuButton.h"
#include "engine/SummaryPanel.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/GlobalUtilities.h"
#include "print/GroupCondition.h"
#include "print/LedgerReportTexts.h"
#include "print/ReportDocumentWriter.h"
#include "print/ReportFiles.h"
#include "print/ReportFormulas.h"

namespace quorvane::host {
namespace {

struct PrintChoice {
    const char* key;
    bool currentGroupOnly;
    bool withCounterparts;
};

// The menu's keys; the two with counter-parts are accepted though the window's own menu does not offer them.
constexpr PrintChoice printChoices[] = {{"Key_Stampa", false, false},
                                        {"Key_StampaConCP", false, true},
                                        {"Key_StampaGruppoCorrente", true, false},
                                        {"Key_StampaGruppoCorrenteConCP", true, true}};

QString labelText(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<controls::LabelField*>(QString::fromLatin1(name));
    return label ? label->Value() : QString();
}

} // namespace

void FRMCI_QUORVANE::setUpPrintCommands()
{
    connect(controls_.CMD_STAMPA, &controls::ToolbarMenuButton::ButtonClick, this, [this] { CMD_STAMPA_ButtonClick(); });
    connect(controls_.CMD_STAMPA, &controls::ToolbarMenuButton::MenuClick, this,
            [this](const QString& key) { CMD_STAMPA_MenuClick(key); });
}

// The report object and the account formulas read through the window's connection: they go before it.
void FRMCI_QUORVANE::releasePrintObjects()
{
    disconnect(controls_.CMD_STAMPA, nullptr, this, nullptr);
    gclsReport_.reset();
    accountFormulas_.reset();
}

void FRMCI_QUORVANE::resetPrintState()
{
    ledgerMode_ = 0;
    fixedOrdering_ = false;
    fixedOrderingField_.clear();
}

void FRMCI_QUORVANE::CMD_STAMPA_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_STAMPA_ButtonClick")), [&] {
        hostfw::GlobalUtilities::instance().restoreFocus(this);
        printCurrentGroupOnly_ = false;
        printWithCounterparts_ = false;
        Partitario();
    });
}

void FRMCI_QUORVANE::CMD_STAMPA_MenuClick(const QString& key)
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_STAMPA_MenuClick")), [&] {
        hostfw::GlobalUtilities::instance().restoreFocus(this);
        for (const PrintChoice& choice : printChoices)
            if (key == QLatin1String(choice.key)) {
                printCurrentGroupOnly_ = choice.currentGroupOnly;
                printWithCounterparts_ = choice.withCounterparts;
                Partitario();
            }
    });
}

print::LedgerPrintJob FRMCI_QUORVANE::ledgerPrintJob() const
{
    hostfw::ClsGlobal* session = activeInterface_->ClsGlobal().get();
    const company::CompanySettings& company = session->Company();
    print::LedgerPrintJob job;
    job.connection = connection_;
    job.session = session;
    job.folder = print::componentFolder();
    job.fileName = print::reportFileName(company.noLedgerLink, controls_.CHK_QUANTITA->Value() == QLatin1String("1"));
    job.heading = {QString::fromStdString(company.name), QString::fromStdString(company.address),
                   QString::fromStdString(company.town), QString::fromStdString(company.vatNumber), session->UserCode()};
    return job;
}

// The whole extraction, or only the selected group's lines; with no node selected the whole extraction.
void FRMCI_QUORVANE::Partitario()
{
    hostfw::runUnderTrap(trap(QStringLiteral("Partitario")), [&] {
        print::LedgerPrintJob job = ledgerPrintJob();
        const print::AttributeNames attributes{headerAttributes_, lineAttributes_};
        reportCondition_ = extraction_->extractionCondition();
        const QModelIndex node = controls_.TRE_GRUPPI->selectedNode();
        if (printCurrentGroupOnly_ && node.isValid())
            reportCondition_ = print::currentGroupCondition(reportCondition_,
                                                            controls_.TRE_GRUPPI->tag(node).toStdString(), attributes);
        print::LedgerReportTexts texts =
            print::ledgerReportTexts(formulaRequest(), accountFormulas(), reportCondition_, attributes);
        job.statement = std::move(texts.statement);
        printFormulas_ = std::move(texts.formulas);
        print::printLedger(gclsReport_, job,
                           [this](report::ReportDocument& document) { gclsReport_BeforePrintReport(document); });
    });
}

print::ParameterSources FRMCI_QUORVANE::parameterSources() const
{
    const company::CompanySettings& company = activeInterface_->ClsGlobal()->Company();
    const SelectionParameters record = selection();
    const hostfw::CostLookupDecode* chart = panel_->chartOf(QString::fromStdString(record.CBO_SELCONTOVDS));
    print::ParameterSources s;
    s.accountSelection = print::accountSelectionInWords(record, summaryAccountDescription(chart, record.TXT_CONTO));
    s.movements = labelText(*this, "TXT_RIEPMOV");
    s.registrationDates = labelText(*this, "TXT_RIEPDATAREG");
    s.amounts = labelText(*this, "TXT_RIEPIMPORTO");
    s.quantities = labelText(*this, "TXT_RIEPQTA");
    s.competence = labelText(*this, "TXT_RIEPCOMP");
    s.ledgerMode = ledgerMode_;
    s.competencePeriod = competencePeriodOf(record);
    s.today = QDate::currentDate();
    s.quantityDecimals = settings_.quantityDecimals;
    s.amountDecimals = settings_.amountDecimals;
    s.connectionString = connectionString_;
    s.costCentreChart = settings_.costCentreChart.toInt();
    s.expenseItemChart = settings_.expenseItemChart.toInt();
    s.numLivelli = company.numLivelli;
    s.competenceDateRule = company.competenceDateParameter;
    s.financialAccounting = settings_.financialAccounting;
    s.currency = settings_.currency;
    s.amountOrQuantityBand = !extraction_->rowFilter().empty();
    return s;
}

// The ordering grid as it is now, the window's fixed ordering and the counter-parts choice.
print::FormulaRequest FRMCI_QUORVANE::formulaRequest() const
{
    print::FormulaRequest request;
    request.rows = orderingColumns(selection().ADVO_ORDINAMENTI, controls_.ADVO_ORDINAMENTI->offer());
    if (fixedOrdering_)
        request.fixedOrderingField = fixedOrderingField_;
    request.withCounterparts = printWithCounterparts_;
    request.conversion = countervalue(selection()).conversion();
    return request;
}

// Built at the window's first print, when the charts' configuration is first needed.
print::AccountFormulas& FRMCI_QUORVANE::accountFormulas()
{
    if (!accountFormulas_)
        accountFormulas_ = std::make_unique<print::AccountFormulas>(*connection_, settings_.costCentreChart.toInt(),
                                                                    settings_.expenseItemChart.toInt());
    return *accountFormulas_;
}

// The formulas the print worked out from the ordering grid, then the parameters from the panel and the summary.
void FRMCI_QUORVANE::gclsReport_BeforePrintReport(report::ReportDocument& document)
{
    hostfw::runUnderTrap(
        trap(QStringLiteral("gclsReport_BeforePrintReport")),
        [&] { print::writeFormulas(document, printFormulas_, connection_); },
        [&] { print::writeParameters(document, print::reportParameters(parameterSources(), *gclsReport_)); });
}

} // namespace quorvane::host
