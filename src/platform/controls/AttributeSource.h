#pragma once
// Where the grids find the user-defined attributes of an entity (29 movement headers, 30 movement
// lines). The host's attribute-definition object implements it over the company database.

#include <QString>

#include <vector>

namespace controls {

// By the attribute definitions' type codes.
enum class AttributeType { Number = 1, Text = 2, Date = 3, YesNo = 4 };

struct AttributeField {
    QString name;                   // the column that holds the attribute's values
    AttributeType type = AttributeType::Text;
    QString description;            // what the grids show as the row's caption
    bool operator==(const AttributeField&) const = default;
};

class AttributeSource {
public:
    virtual ~AttributeSource() = default;
    // The entity's attributes in their defined order; empty when it has none.
    virtual std::vector<AttributeField> attributes(int entity) const = 0;
};

} // namespace controls
