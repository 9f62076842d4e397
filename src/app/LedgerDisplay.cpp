#include "LedgerDisplay.h"

#include "engine/ChartAccountFormatting.h"
#include "engine/ComparisonCaptions.h"
#include "engine/Countervalue.h"
#include "engine/NodeFilter.h"
#include "engine/NumberFormat.h"
#include "engine/SummaryPanel.h"
#include "hostfw/Translator.h"

#include <memory>
#include <stdexcept>

namespace {

constexpr const char* firstNodeKey = "*1";

quorvane::TotalsFormats totalsFormats(const LedgerSession& session)
{
    const quorvane::EngineSettings& settings = session.request.settings;
    return {quorvane::amountFormat(settings.amountDecimals), quorvane::quantityFormat(settings.quantityDecimals),
            session.language, session.request.selection.CHK_QUANTITA == "1"};
}

// The account field's decoder of the account kind's chart; none when the accounts are chosen in the grid.
std::unique_ptr<hostfw::CostLookupDecode> accountChart(const LedgerSession& session)
{
    const std::string& kind = session.request.selection.CBO_SELCONTOVDS;
    const quorvane::EngineSettings& settings = session.request.settings;
    if (kind == "0")
        return std::make_unique<hostfw::CostLookupDecode>(*session.connection, settings.company,
                                                          settings.costCentreChart, hostfw::AccountKind::CostCentre);
    if (kind == "1")
        return std::make_unique<hostfw::CostLookupDecode>(*session.connection, settings.company,
                                                          settings.expenseItemChart, hostfw::AccountKind::ExpenseItem);
    return nullptr;
}

void merge(quorvane::ControlCaptions& into, const quorvane::ControlCaptions& captions)
{
    for (const auto& [control, caption] : captions)
        into[control] = caption;
}

} // namespace

LedgerDisplay::LedgerDisplay(const LedgerSession& session, db::Recordset& movements,
                             const quorvane::SelectionTotals& totals, quorvane::LedgerComparison* comparison)
{
    db::Connection& connection = *session.connection;
    const quorvane::EngineSettings& settings = session.request.settings;
    const quorvane::SelectionParameters& selection = session.request.selection;
    const hostfw::Translator translator(session.language);
    const quorvane::ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(connection));
    const quorvane::GroupCaptions captions({translator.text(quorvane::textNoValue).toStdString(), accounts,
                                            settings.costCentreChart, settings.expenseItemChart, session.language});
    quorvane::NoProgress steps;
    quorvane::NoGroupTreeProgress treeProgress;
    try {
        grouped_.ConfigurazioneVisualizzazioneMovimenti(session.ordering, movements, translator, steps);
        grouped_.CaricamentoTree(movements, captions, treeProgress);
        if (comparison) {
            comparison->addMissingGroups(grouped_, session.ordering, translator, captions);
            comparisonTotals_ = comparison->totals();
        }
        const quorvane::TotalsFormats formats = totalsFormats(session);
        const quorvane::Countervalue countervalue(selection, session.company.currency, connection, settings.company);
        captions_ = quorvane::AggiornamentoTotali(movements, formats, countervalue);
        const quorvane::SummaryWords words = quorvane::SummaryWords::of(translator);
        const std::unique_ptr<hostfw::CostLookupDecode> chart = accountChart(session);
        accountDescription_ = quorvane::summaryAccountDescription(chart.get(), selection.TXT_CONTO);
        merge(captions_, quorvane::AggiornamentoSpecchiettoRiepilogativo(
                             {selection, accountDescription_, session.movementTypeCaption, words,
                              translator.text(quorvane::textAdvancedAccountSelection).toStdString(), totals,
                              grouped_.hasGroups(), formats, countervalue}));
        sumEveryNode(movements, comparison);
        // The comparison's fields follow the group shown: the first node, or the whole selection.
        quorvane::NodeFigures shown{{totals, movements.RecordCount()}, {}};
        if (comparisonTotals_)
            shown.comparison = comparisonTotals_->balance;
        if (const quorvane::GroupNode* first = grouped_.tree().find(firstNodeKey)) {
            movements.Filter(quorvane::movementFilterOf(first->tag));
            merge(captions_, quorvane::AggiornamentoTotali(movements, formats, countervalue));
            shown = nodeTotals_.front().figures;
        }
        if (comparison)
            quorvane::setComparisonCaptions(captions_, quorvane::groupComparisonFields, shown.totals.sums.balance,
                                            shown.comparison, formats, countervalue);
        movements.Filter("");
    } catch (const std::invalid_argument& e) {
        throw CommandFailure(1, std::string("the ledger cannot be displayed: ") + e.what());
    }
}

std::vector<quorvane::NodeFigures> LedgerDisplay::figures() const
{
    std::vector<quorvane::NodeFigures> figures;
    figures.reserve(nodeTotals_.size());
    for (const LedgerNodeTotals& entry : nodeTotals_)
        figures.push_back(entry.figures);
    return figures;
}

void LedgerDisplay::sumEveryNode(db::Recordset& movements, quorvane::LedgerComparison* comparison)
{
    const quorvane::GroupTree& tree = grouped_.tree();
    std::vector<quorvane::NodeFigures> figures = quorvane::nodeFigures(tree, movements, comparison);
    nodeTotals_.reserve(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i)
        nodeTotals_.push_back({&tree.node(i), std::move(figures[i])});
}
