#include "GroupTreeAnalysis.h"

#include "controls/ComboField.h"
#include "controls/GroupTreeView.h"
#include "engine/AnalysisTexts.h"
#include "engine/ComparisonCaptions.h"
#include "hostfw/Translator.h"

#include <QHeaderView>
#include <QLabel>

namespace quorvane::host {
namespace {

// Column widths in characters: a caption's start, an amount in the millions with its cents, a count, a percent.
int columnCharacters(GroupTotalsTreeModel::Column column)
{
    using Column = GroupTotalsTreeModel::Column;
    switch (column) {
    case Column::Group: return 32;
    case Column::Lines: return 7;
    case Column::VariancePercent: return 12;
    default: return 13;
    }
}

// The comparison's fields and their captions in the totals panel.
const char* const comparisonLabels[] = {"LBL_TOTCONFRONTO", "LBL_TOTSCOSTAMENTO", "LBL_TOTSCOSTPERC"};
const char* const comparisonFields[] = {groupComparisonFields.comparison, groupComparisonFields.variance,
                                        groupComparisonFields.percent};

void showComparisonFields(QWidget& panel, bool visible)
{
    for (const char* const* names : {comparisonLabels, comparisonFields})
        for (int i = 0; i < 3; ++i)
            if (auto* field = panel.findChild<QLabel*>(QString::fromLatin1(names[i])))
                field->setVisible(visible);
}

void sizeColumns(controls::GroupTreeView& tree, const GroupTotalsTreeModel& model)
{
    const int character = tree.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    tree.header()->setStretchLastSection(false);
    for (int section = 0; section < tree.header()->count(); ++section)
        tree.header()->resizeSection(section, columnCharacters(model.columnAt(section)) * character);
}

} // namespace

void GroupTreeAnalysis::setUp(controls::GroupTreeView& tree, controls::ComboField& compareWith, QWidget& totalsPanel,
                              const hostfw::Translator& translator, const Sides& sides)
{
    model_.setCaptions({translator.text(textGroupColumn), sides.debit, sides.credit, translator.text(textBalanceColumn),
                        translator.text(textQuantityColumn), translator.text(textLinesColumn),
                        translator.text(textComparisonColumn), translator.text(textVarianceColumn),
                        translator.text(textVariancePercentColumn)});
    tree.setModel(&model_);
    tree.setNodeRoles(GroupTreeModel::KeyRole, GroupTreeModel::TagRole);
    tree.setHeaderHidden(false);
    tree.setSortingEnabled(true);
    tree.sortByColumn(0, Qt::AscendingOrder);
    QObject::connect(&model_, &QAbstractItemModel::modelReset, &tree, [&tree, this] { sizeColumns(tree, model_); });

    compareWith_ = &compareWith;
    if (auto* caption = compareWith.parentWidget()->findChild<QLabel*>(QStringLiteral("LBL_CONFRONTO")))
        caption->setText(translator.text(textCompareWith));
    compareWith.setSorted(false);
    compareWith.Clear();
    int kind = 0;
    for (int text : {textCompareNone, textComparePreviousYear, textComparePreviousPeriod, textCompareBudget})
        compareWith.AddItem(QString::number(kind++), translator.text(text));
    compareWith.setValue(QStringLiteral("0"));

    totalsPanel_ = &totalsPanel;
    int label = 0;
    for (int text : {textComparisonColumn, textVarianceColumn, textVariancePercentColumn})
        if (auto* caption = totalsPanel.findChild<QLabel*>(QString::fromLatin1(comparisonLabels[label++])))
            caption->setText(translator.text(text));
    showComparisonFields(totalsPanel, false);
}

ComparisonKind GroupTreeAnalysis::chosenKind() const
{
    return compareWith_ ? static_cast<ComparisonKind>(compareWith_->Value().toInt()) : ComparisonKind::None;
}

void GroupTreeAnalysis::extractComparison(db::Connection& connection, const ExtractionRequest& request,
                                          const std::string& budgetTypes)
{
    comparison_.reset();
    compared_.reset();
    const ComparisonKind kind = chosenKind();
    if (kind == ComparisonKind::None)
        return;
    const ComparisonSelection selection = comparisonSelection(request, kind, budgetTypes);
    compared_ = std::make_unique<MovementExtraction>(connection);
    NoProgress progress;
    compared_->run(selection.request, progress);
    comparison_.emplace(compared_->movements(), compared_->totals(), selection.shift);
}

void GroupTreeAnalysis::showFigures(GroupedLedger& ledger, db::Recordset& movements,
                                    const std::vector<OrderingColumn>& ordering, const hostfw::Translator& translator,
                                    const GroupCaptions& captions, const GroupTotalsTreeModel::Texts& texts,
                                    bool quantities)
{
    if (comparison_)
        comparison_->addMissingGroups(ledger, ordering, translator, captions);
    model_.setFigures(nodeFigures(ledger.tree(), movements, comparison_ ? &*comparison_ : nullptr), texts, quantities);
    if (totalsPanel_)
        showComparisonFields(*totalsPanel_, comparison_.has_value());
}

void GroupTreeAnalysis::setComparisonCaptions(ControlCaptions& captions, const QModelIndex& node,
                                              const SelectionTotals& selection, const TotalsFormats& formats,
                                              const Countervalue& countervalue) const
{
    std::optional<db::Decimal> comparison = comparison_ ? std::optional(comparison_->totals().balance) : std::nullopt;
    db::Decimal balance = selection.balance;
    if (const NodeFigures* figures = model_.figuresAt(node)) {
        comparison = figures->comparison;
        balance = figures->totals.sums.balance;
    }
    quorvane::setComparisonCaptions(captions, groupComparisonFields, balance, comparison, formats, countervalue);
}

std::optional<exporting::ExportComparison> GroupTreeAnalysis::exportComparison(const GroupTree& tree,
                                                                             const hostfw::Translator& translator) const
{
    if (!comparison_)
        return std::nullopt;
    return exporting::exportComparison(tree, model_.figures(), comparison_->totals().balance,
                                       [&translator](int number) { return translator.text(number); });
}

} // namespace quorvane::host
