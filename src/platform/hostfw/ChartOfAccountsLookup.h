#pragma once
// The chart-of-accounts lookup: finds an account of the cost-centre chart (kind "0") or of the
// expense-item chart (kind "1") by what its description holds, starting from the text typed so far.

#include "company/CompanySettings.h"
#include "controls/LookupChooser.h"
#include "db/Connection.h"

namespace hostfw {

class ChartOfAccountsLookup {
public:
    ChartOfAccountsLookup(db::Connection& connection, const company::CompanySettings& settings)
        : connection_(connection), settings_(settings) {}

    void setFilter(const QString& filter) { filter_ = filter; }
    // "0" cost centres, "1" expense items.
    void setAccountKind(const QString& kind) { kind_ = kind; }
    void setChooser(controls::LookupChooser chooser) { chooser_ = std::move(chooser); }

    // Shows the lookup; the chosen code, "" when the user chose none. Throws std::invalid_argument for a
    // kind that names no chart.
    QString Show(QWidget* parent) const;

private:
    db::Connection& connection_;
    company::CompanySettings settings_;
    QString filter_;
    QString kind_;
    controls::LookupChooser chooser_ = controls::chooseInLookupWindow;
};

} // namespace hostfw
