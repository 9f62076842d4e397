#include "engine/FieldNames.h"

#include "db/QuotedLiterals.h"

namespace quorvane {

std::string PulisciNomeCampo(std::string_view columnName)
{
    return db::replaceOutsideLiterals(db::replaceOutsideLiterals(columnName, "CO5L_CI12.", ""), "CO5L_CI13.", "");
}

} // namespace quorvane
