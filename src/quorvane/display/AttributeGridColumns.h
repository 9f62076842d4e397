#pragma once
// AggiungeColonneAttributi: one grid column per user-defined attribute of movement headers or lines, keyed
// by the attribute's field name and captioned with its description; its kind and width follow the
// attribute's type code.

#include "controls/AttributeSource.h"
#include "controls/DataGridColumn.h"

#include <vector>

namespace quorvane::display {

std::vector<controls::DataGridColumn> attributeGridColumns(const std::vector<controls::AttributeField>& attributes);

} // namespace quorvane::display
