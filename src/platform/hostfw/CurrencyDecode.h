#pragma once
// The currency decode and lookup: the currencies of the company database with their descriptions.

#include "controls/CodeLookup.h"
#include "db/Connection.h"

namespace hostfw {

class CurrencyDecode final : public controls::CodeLookup {
public:
    explicit CurrencyDecode(db::Connection& connection) : connection_(connection) {}

    std::optional<QString> describe(const controls::CodeRequest& request, const QString& code) const override;
    std::vector<controls::CodeEntry> entries(const controls::CodeRequest& request, const QString& filter,
                                             int limit) const override;

    std::optional<QString> Decode(const QString& code) const { return describe(request(), code); }
    static controls::CodeRequest request() { return {QStringLiteral("Valute"), 0, {}, {}}; }

private:
    db::Connection& connection_;
};

} // namespace hostfw
