#pragma once
// The movement-type selector's condition: one SQL condition over CGT0_CODICE (the extraction renames the
// column to the movement's own type column). It is never empty: no choice at all means every type, an
// empty choice means none.

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// Movement-type codes are whole numbers; any other code is refused with std::invalid_argument so that
// nothing but numbers reaches the statement.
std::string movementTypeCondition(const std::optional<std::vector<std::string>>& codes);

} // namespace quorvane
