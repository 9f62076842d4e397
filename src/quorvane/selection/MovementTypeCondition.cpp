#include "selection/MovementTypeCondition.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace quorvane {

namespace {

bool isWholeNumber(const std::string& code)
{
    const std::size_t digits = !code.empty() && code.front() == '-' ? 1 : 0;
    return code.size() > digits && std::all_of(code.begin() + digits, code.end(), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c));
           });
}

} // namespace

std::string movementTypeCondition(const std::optional<std::vector<std::string>>& codes)
{
    if (!codes)
        return "CGT0_CODICE IS NOT NULL";
    // A type code is never NULL, so this matches no movement.
    if (codes->empty())
        return "CGT0_CODICE IS NULL";
    std::string list;
    for (const std::string& code : *codes) {
        if (!isWholeNumber(code))
            throw std::invalid_argument("the movement type \"" + code + "\" is not a movement-type code");
        list += (list.empty() ? "" : ",") + code;
    }
    return "CGT0_CODICE IN (" + list + ")";
}

} // namespace quorvane
