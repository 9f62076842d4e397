#pragma once
// The demo company group: a company database with three companies whose settings differ, plausible Italian
// master data and as many movement lines as asked, the same for the same seed on every machine.

#include <string>

namespace company {

struct DemoOptions {
    long linesPerCompany = 20000;
    unsigned seed = 1;
    bool replaceExisting = false;       // otherwise an existing file is refused
};

// Creates the database file at `path`: the schema, then the data. Throws db::Error naming the file when it
// exists and may not be replaced, or when it cannot be written; a half-written file is removed.
void createDemoDatabase(const std::string& path, const DemoOptions& options);

} // namespace company
