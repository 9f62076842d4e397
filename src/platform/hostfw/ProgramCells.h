#pragma once
// How the host's programs write a database value in a cell or a field: codes and texts as they are, days as
// dd/MM/yyyy, amounts and quantities in the Italian format with the company's decimals, flags as "Sì".

#include "db/Value.h"

#include <QString>

namespace hostfw {

QString cellText(const db::Value& value);                       // "" for NULL
QString dayText(const db::Value& value);                        // "" for NULL
QString numberText(const db::Value& value, int decimals);      // "" for NULL
QString numberText(double value, int decimals);                 // "1.234,50"
QString flagText(const db::Value& value);                       // "Sì" for a set flag, "" otherwise
// "Cliente 12 - Rossi S.r.l." or "Fornitore 7 - …" by the kind (0 customer, 1 supplier); "" for no kind.
QString customerOrSupplierText(const db::Value& kind, const db::Value& code, const db::Value& name);

} // namespace hostfw
