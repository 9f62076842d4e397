#pragma once
// The database engine could not do its work, whatever the statement: the file is busy with another
// program's writing past the wait, damaged, not a database, or cannot be read. The message names the file.
// Callers that tell a missing object from a failing database catch this one apart from db::Error.

#include "db/Error.h"

namespace db {

class EngineFailure : public Error {
public:
    using Error::Error;
};

} // namespace db
