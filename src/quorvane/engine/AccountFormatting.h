#pragma once
// How group captions write account codes: a cost-centre account or an expense item by the segments of its
// chart (the cost-accounting utilities' role), and a general-ledger account as the window's general-ledger
// account field shows it. The window gives its own formatters; the command line uses the company's charts.

#include <string>

namespace quorvane {

class AccountFormatting {
public:
    virtual ~AccountFormatting() = default;
    virtual std::string formatAccount(const std::string& code, int chart) const = 0;
    virtual std::string formatLedgerAccount(const std::string& code) const = 0;
};

} // namespace quorvane
