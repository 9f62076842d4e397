#pragma once
// Account formatting by the company's chart configuration: codes cut into the segments of their chart.
// General-ledger accounts have no segment configuration in the company database, so they are shown as
// stored, without trailing blanks.

#include "engine/AccountFormatting.h"
#include "hostfw/ChartDefinitions.h"

namespace quorvane {

class ChartAccountFormatting final : public AccountFormatting {
public:
    explicit ChartAccountFormatting(hostfw::ChartDefinitions charts) : charts_(std::move(charts)) {}

    std::string formatAccount(const std::string& code, int chart) const override;
    std::string formatLedgerAccount(const std::string& code) const override;

private:
    hostfw::ChartDefinitions charts_;
};

} // namespace quorvane
