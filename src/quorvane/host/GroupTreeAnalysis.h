#pragma once
// The window's analysis of a processing: the group tree with its totals columns, sortable by a click on a
// column's header, and the comparison chosen in "Confronta con" — extracted before the selection's own lines,
// its groups matched to the tree's, its figures in the tree's columns and beside the group totals.

#include "engine/ComparisonSelection.h"
#include "engine/ControlCaptions.h"
#include "engine/GroupTotalsTreeModel.h"
#include "engine/LedgerComparison.h"
#include "engine/MovementExtraction.h"
#include "engine/TotalsCaptions.h"
#include "export/ExportComparison.h"

#include <QModelIndex>

#include <memory>
#include <optional>

namespace controls {
class ComboField;
class GroupTreeView;
}

namespace hostfw {
class Translator;
}

namespace quorvane::host {

class GroupTreeAnalysis {
public:
    explicit GroupTreeAnalysis(GroupTreeModel& tree) : model_(tree) {}

    struct Sides {
        QString debit, credit;     // the company's captions of its two sides
    };
    // The tree shows the totals model with a header to sort by; the comparison choice offers its kinds; the
    // captions are the user's language's. `totalsPanel` holds the comparison's fields beside the totals.
    void setUp(controls::GroupTreeView& tree, controls::ComboField& compareWith, QWidget& totalsPanel,
               const hostfw::Translator& translator, const Sides& sides);

    ComparisonKind chosenKind() const;
    // Extracts the comparison chosen for the request (nothing for none) on the window's connection, before
    // the selection's extraction replaces the working table. Throws std::invalid_argument for a selection the
    // comparison cannot move, and db::Error.
    void extractComparison(db::Connection& connection, const ExtractionRequest& request,
                           const std::string& budgetTypes);

    // After the tree is built: the comparison's own groups join it, then every node's figures are shown.
    void showFigures(GroupedLedger& ledger, db::Recordset& movements, const std::vector<OrderingColumn>& ordering,
                     const hostfw::Translator& translator, const GroupCaptions& captions,
                     const GroupTotalsTreeModel::Texts& texts, bool quantities);

    // The comparison's fields for the group a node shows, or for the whole selection when no node is.
    void setComparisonCaptions(ControlCaptions& captions, const QModelIndex& node, const SelectionTotals& selection,
                               const TotalsFormats& formats, const Countervalue& countervalue) const;

    // The comparison as the export writes it beside the tree's groups; none without a comparison.
    std::optional<exporting::ExportComparison> exportComparison(const GroupTree& tree,
                                                                const hostfw::Translator& translator) const;

    GroupTotalsTreeModel& model() { return model_; }
    bool comparing() const { return comparison_.has_value(); }

private:
    GroupTotalsTreeModel model_;
    QWidget* totalsPanel_ = nullptr;
    controls::ComboField* compareWith_ = nullptr;
    std::unique_ptr<MovementExtraction> compared_;
    std::optional<LedgerComparison> comparison_;
};

} // namespace quorvane::host
