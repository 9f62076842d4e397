#pragma once
// The cost-accounting decode and lookup connector of one chart: cost-centre accounts or expense items.
// It describes a code of the chart and lists the chart's codes for a lookup (a code beginning with the
// filter, or a description holding it). The window makes one per chart at its first activation.

#include "controls/CodeLookup.h"
#include "controls/LookupChooser.h"
#include "db/Connection.h"

namespace hostfw {

enum class AccountKind { CostCentre = 0, ExpenseItem = 1 };

class CostLookupDecode final : public controls::CodeLookup {
public:
    // Reads the chart of the company through the connection, which must outlive the connector.
    CostLookupDecode(db::Connection& connection, int company, int chart, AccountKind kind)
        : connection_(connection), company_(company), chart_(chart), kind_(kind) {}

    // The account's description; nothing when the chart does not hold the code (at the request's level,
    // when it names one).
    std::optional<QString> describe(const controls::CodeRequest& request, const QString& code) const override;
    std::vector<controls::CodeEntry> entries(const controls::CodeRequest& request, const QString& filter,
                                             int limit) const override;

    std::optional<QString> Decode(const QString& code) const { return describe(request(), code); }
    // Opens the lookup over the chart; the chosen code, or nothing.
    std::optional<QString> Lookup(const controls::LookupChooser& chooser, const QString& filter, QWidget* parent) const;

    // The request naming the chart's list ("C.d.C." or "V.d.S."), as the grids name it too.
    controls::CodeRequest request() const;
    int chart() const { return chart_; }
    AccountKind kind() const { return kind_; }

private:
    std::string chartCondition(const controls::CodeRequest& request) const;

    db::Connection& connection_;
    int company_;
    int chart_;
    AccountKind kind_;
};

} // namespace hostfw
