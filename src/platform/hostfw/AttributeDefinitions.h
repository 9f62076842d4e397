#pragma once
// The host's attribute-definition object: the attributes a company defines for its entities (29 movement
// headers, 30 movement lines), read once from the company database. An attribute's name is the column of
// the attribute-values table that holds it, and the grids write it into statements, so a name that is not
// a plain column name is refused when the definitions are read.

#include "controls/AttributeSource.h"
#include "db/Connection.h"

#include <map>
#include <string>
#include <vector>

namespace hostfw {

class AttributeDefinitions final : public controls::AttributeSource {
public:
    AttributeDefinitions() = default;

    // Every attribute of the company, entity by entity in their defined order; throws db::Error when the
    // definitions cannot be read or a name is not a column name.
    static AttributeDefinitions read(db::Connection& connection, int company);

    std::vector<controls::AttributeField> attributes(int entity) const override;
    // The attribute names of an entity in their defined order: the extraction's extra columns.
    std::vector<std::string> names(int entity) const;
    bool HasAttributes(int entity) const { return entities_.count(entity) > 0; }

private:
    std::map<int, std::vector<controls::AttributeField>> entities_;
};

} // namespace hostfw
