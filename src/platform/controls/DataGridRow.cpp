#include "controls/DataGridRow.h"

namespace controls {

db::Value DataGridRow::value(std::string_view field) const
{
    const int column = rows_.fieldIndex(field);
    return column < 0 ? db::Value() : rows_.valueAt(viewRow_, column);
}

} // namespace controls
