#pragma once
// The user-defined attributes of movement headers and lines, extracted as extra columns of the working
// table from CO5L_ATTRIBUTIDEN (joined once as CO5L_CI12 for the header, once as CO5L_CI13 for the line).

#include <string>
#include <vector>

namespace quorvane {

inline constexpr int headerAttributeEntity = 29;
inline constexpr int lineAttributeEntity = 30;

// The column list: ", CO5L_CI12." (or ", CO5L_CI13.") and the name, for every attribute in order; empty
// when there are none. An attribute name is a column name, so anything but letters, digits and "_" is
// refused (std::invalid_argument) rather than written into the statement.
std::string attributeColumnList(const std::vector<std::string>& names, const std::string& alias);

} // namespace quorvane
