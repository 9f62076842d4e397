#include "display/AttributeGridColumns.h"

namespace quorvane::display {

namespace {

struct KindAndWidth {
    controls::ColumnKind kind;
    int widthTwips;
};

// Numbers narrow and right-aligned, texts wide, dates as dates; a yes/no shows its text.
KindAndWidth kindAndWidth(controls::AttributeType type)
{
    switch (type) {
    case controls::AttributeType::Number: return {controls::ColumnKind::Number, 1920};
    case controls::AttributeType::Text: return {controls::ColumnKind::Text, 6000};
    case controls::AttributeType::Date: return {controls::ColumnKind::Date, 1200};
    default: return {controls::ColumnKind::Text, 3000};
    }
}

} // namespace

std::vector<controls::DataGridColumn> attributeGridColumns(const std::vector<controls::AttributeField>& attributes)
{
    std::vector<controls::DataGridColumn> columns;
    for (const controls::AttributeField& attribute : attributes) {
        const KindAndWidth shape = kindAndWidth(attribute.type);
        controls::DataGridColumn column;
        column.key = attribute.name;
        column.caption = attribute.description.trimmed();
        column.kind = shape.kind;
        column.widthTwips = shape.widthTwips;
        column.option = false;
        columns.push_back(std::move(column));
    }
    return columns;
}

} // namespace quorvane::display
