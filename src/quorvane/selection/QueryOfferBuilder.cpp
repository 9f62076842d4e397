#include "selection/QueryOfferBuilder.h"

#include "selection/OfferSections.h"

#include <algorithm>

namespace quorvane {

namespace {

// An attribute is typed by its definition; a yes/no attribute holds 0 or 1.
void setAttributeKind(controls::QueryRowDefinition& row, controls::AttributeType type)
{
    switch (type) {
    case controls::AttributeType::Text: row.kind = controls::ValueKind::Text; break;
    case controls::AttributeType::Number: row.kind = controls::ValueKind::Number; break;
    case controls::AttributeType::Date: row.kind = controls::ValueKind::Date; break;
    case controls::AttributeType::YesNo:
        row.kind = controls::ValueKind::Number;
        row.maxLength = 1;
        row.mask = QStringLiteral("#");
        break;
    }
}

} // namespace

void QueryOfferBuilder::addRow(int section, const QString& title, std::string_view caption, bool sectionFlag)
{
    qint16 position = counter_.next(title);
    auto offered = std::find_if(table_.begin(), table_.end(), [&](const QueryRowSpec& s) { return s.caption == caption; });
    if (offered == table_.end())
        return;
    rows_.push_back({section, title, fromUtf8(offered->caption), fromUtf8(offered->column), sectionFlag, position,
                     offered->decodeLookup, offered->kind, offered->maxLength, fromUtf8(offered->mask)});
}

void QueryOfferBuilder::addAttributeRows(int section, const QString& title, bool sectionFlag, int entity,
                                         const char* prefix, const controls::AttributeSource& attributes)
{
    for (const controls::AttributeField& attribute : attributes.attributes(entity)) {
        controls::QueryRowDefinition row;
        row.section = section;
        row.sectionTitle = title;
        row.caption = attribute.description;
        row.column = QLatin1String(prefix) + QLatin1Char('.') + attribute.name;
        row.sectionFlag = sectionFlag;
        setAttributeKind(row, attribute.type);
        rows_.push_back(std::move(row));
    }
}

} // namespace quorvane
