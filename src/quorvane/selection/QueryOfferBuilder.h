#pragma once
// Builds the offer of a query grid row by row, as the window's row-adding procedure does: it numbers
// every caption it is given, adds a row only for captions its table knows, and has the grid's attribute
// rows added for an entity.

#include "controls/AttributeSource.h"
#include "controls/QueryRowDefinition.h"
#include "selection/SectionCounter.h"

#include <span>
#include <string_view>

namespace quorvane {

// A caption the window can offer and what the grid is told about it.
struct QueryRowSpec {
    std::string_view caption;       // UTF-8
    std::string_view column;
    controls::ValueKind kind;
    bool decodeLookup;
    int maxLength;                  // 0: none given
    std::string_view mask;
};

class QueryOfferBuilder {
public:
    QueryOfferBuilder(std::span<const QueryRowSpec> table, const char* procedure)
        : table_(table), counter_(procedure) {}

    // Adds the row of `caption` to section `section` under `title`. A caption the table does not know
    // adds nothing, but it still takes a position.
    void addRow(int section, const QString& title, std::string_view caption, bool sectionFlag);

    // The grid's attribute-adding operation: one row per attribute of the entity, on the attribute's
    // column qualified by `prefix`; the grid numbers these rows 0, outside the window's count.
    void addAttributeRows(int section, const QString& title, bool sectionFlag, int entity,
                          const char* prefix, const controls::AttributeSource& attributes);

    controls::QueryOffer take() { return std::move(rows_); }

private:
    std::span<const QueryRowSpec> table_;
    SectionCounter counter_;
    controls::QueryOffer rows_;
};

} // namespace quorvane
