#pragma once
// Attribute columns reach the display qualified by the alias of the attribute-values table they were
// selected from ("CO5L_CI12." for headers, "CO5L_CI13." for lines); the movement set itself names them
// without it. Every reader that looks a column up, sorts by it or filters on it strips the qualifier.

#include <string>
#include <string_view>

namespace quorvane {

// Removes every "CO5L_CI12." and then every "CO5L_CI13.", in any letter case, outside quoted literals: a
// filter's value that holds the text stays as it is.
std::string PulisciNomeCampo(std::string_view columnName);

} // namespace quorvane
