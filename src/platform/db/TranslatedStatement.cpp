#include "db/TranslatedStatement.h"

namespace db {

long runTranslation(const tsql::Translation& translation, tsql::Dialect& dialect,
                    const std::function<long(const tsql::Step&)>& runStep,
                    const std::function<void(const char*)>& execute)
{
    const bool unit = translation.steps.size() > 1;
    if (unit)
        execute("SAVEPOINT tsql_statement");
    long affected = -1;
    try {
        for (const tsql::Step& step : translation.steps) {
            const long changed = runStep(step);
            if (!step.returnsRows)
                affected = changed;
        }
    } catch (...) {
        if (unit) {
            try {
                execute("ROLLBACK TO tsql_statement");
                execute("RELEASE tsql_statement");
            } catch (...) {
                // A full disk or an I/O error may have ended the transaction already: the step's error tells why.
            }
        }
        if (translation.changesSchema)
            dialect.invalidate();
        throw;
    }
    if (unit)
        execute("RELEASE tsql_statement");
    if (translation.changesSchema)
        dialect.invalidate();
    return affected;
}

} // namespace db
