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

// Creates the database file at `path`: the schema, then the data, and the stamp of the generator that wrote
// them. Throws db::Error naming the file when it exists and may not be replaced, or when it cannot be written;
// a half-written file is removed.
void createDemoDatabase(const std::string& path, const DemoOptions& options);

// The stamp of this build's demo data: it changes with the schema script and with the generator.
int demoDataStamp();

// Whether the file is a demo database this build's generator wrote (its stamp is this build's); false for
// an older one, any other database, or a file that cannot be read.
bool isCurrentDemoDatabase(const std::string& path);

} // namespace company
