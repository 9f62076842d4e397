#include "engine/ChartAccountFormatting.h"

namespace quorvane {

std::string ChartAccountFormatting::formatAccount(const std::string& code, int chart) const
{
    return charts_.format(QString::fromStdString(code), chart).toStdString();
}

std::string ChartAccountFormatting::formatLedgerAccount(const std::string& code) const
{
    const std::size_t end = code.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : code.substr(0, end + 1);
}

} // namespace quorvane
