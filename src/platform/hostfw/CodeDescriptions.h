#pragma once
// The words the grids show for the coded columns of a movement: the document type, the origin
// (where the movement came from) and the cost-or-revenue kind of the expense item's nature.
// A code without a word is shown as its number.

#include "Language.h"

#include <QString>

namespace hostfw {

QString documentTypeDescription(int documentType, Language language);
QString originDescription(int origin, Language language);
QString costRevenueKindDescription(int kind, Language language);

} // namespace hostfw
