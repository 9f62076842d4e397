#pragma once
// The text a grid cell shows before the window's formatting callback sees it: dates as day/month/year,
// numbers in their column's format with the column's decimals, anything else as its value's text; NULL
// reads as empty text.

#include "controls/DataGridColumn.h"
#include "db/Value.h"

#include <QLocale>
#include <QString>

namespace controls {

// Numbers take the separators of the locale.
QString cellText(const db::Value& value, const DataGridColumn& column, const QLocale& locale);

} // namespace controls
