#pragma once
// The decode and lookup service of the grids' codes over the company database: one table of each list of
// codes (causals, accounts, customers, job orders, projects, …) with its code and description columns, the
// company it belongs to and, for dependent lists, the parent code that bounds it.

#include "company/CompanySettings.h"
#include "controls/CodeLookup.h"
#include "db/Connection.h"

namespace hostfw {

class LookupService final : public controls::CodeLookup {
public:
    // Reads through the connection for the company; the connection must outlive the service.
    LookupService(db::Connection& connection, const company::CompanySettings& settings)
        : connection_(connection), settings_(settings) {}

    std::optional<QString> describe(const controls::CodeRequest& request, const QString& code) const override;
    std::vector<controls::CodeEntry> entries(const controls::CodeRequest& request, const QString& filter,
                                             int limit) const override;

    // Whether the service knows the list at all.
    static bool knows(const controls::CodeRequest& request);

private:
    db::Connection& connection_;
    company::CompanySettings settings_;
};

} // namespace hostfw
