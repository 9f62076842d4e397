#include "company/SchemaScript.h"

#include "db/Error.h"
#include "tsql/Dialect.h"

namespace company {

// Every batch runs on its own, as a server runs a script batch by batch; the first failing one stops the
// load with the engine's message and the batch's text.
void loadSchema(db::Connection& connection)
{
    for (const std::string& batch : tsql::splitBatches(schemaScript()))
        connection.Execute(batch);
}

} // namespace company
