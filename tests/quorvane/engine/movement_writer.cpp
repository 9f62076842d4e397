// movement_writer DATABASE PAUSE_MS [COMMITS]
// Plays the ERP posting into the company database while the ledger inquiry reads it: copies company 1's
// movements, header and lines, under new registration numbers ("W1", "W2", …), one movement a transaction,
// with a pause between commits, until COMMITS are made (20,000 by default) or it is stopped. It writes
// "ready" once it has made its first commit. It compares texts as the server's collation does, as the
// company database's text columns and their indexes declare.

#include "tsql/Collation.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

bool run(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "movement_writer: %s\n", error ? error : "error");
    sqlite3_free(error);
    return false;
}

// The n-th movement of company 1, again under number "W" + n.
std::string copyOf(int n)
{
    const std::string number = "'W" + std::to_string(n) + "'";
    const std::string source = "(SELECT CI12_NUMREG_CO99 FROM CI12_MOVTESTATA WHERE CI12_DITTA_CG18 = 1 AND "
                               "CI12_NUMREG_CO99 NOT LIKE 'W%' ORDER BY CI12_NUMREG_CO99 LIMIT 1 OFFSET "
                               + std::to_string(n % 200) + ")";
    const std::string header = "CI12_DITTA_CG18 = 1 AND CI12_NUMREG_CO99 = " + source;
    const std::string lines = "CI13_DITTA_CG18 = 1 AND CI13_NUMREG_CO99 = " + source;
    return "BEGIN IMMEDIATE; DELETE FROM temp.H; DELETE FROM temp.L;"
           " INSERT INTO temp.H SELECT * FROM main.CI12_MOVTESTATA WHERE " + header + ";"
           " INSERT INTO temp.L SELECT * FROM main.CI13_MOVCORPO WHERE " + lines + ";"
           " UPDATE temp.H SET CI12_NUMREG_CO99 = " + number + "; UPDATE temp.L SET CI13_NUMREG_CO99 = " + number + ";"
           " INSERT INTO main.CI12_MOVTESTATA SELECT * FROM temp.H;"
           " INSERT INTO main.CI13_MOVCORPO SELECT * FROM temp.L; COMMIT;";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: movement_writer DATABASE PAUSE_MS [COMMITS]\n");
        return 1;
    }
    const int pause = std::stoi(argv[2]);
    const int commits = argc > 3 ? std::stoi(argv[3]) : 20000;
    sqlite3* db = nullptr;
    if (sqlite3_open(argv[1], &db) != SQLITE_OK)
        return 2;
    sqlite3_busy_timeout(db, 10000);
    tsql::registerCollation(db);
    if (!run(db, "CREATE TEMP TABLE H AS SELECT * FROM main.CI12_MOVTESTATA WHERE 0;"
                 " CREATE TEMP TABLE L AS SELECT * FROM main.CI13_MOVCORPO WHERE 0;"))
        return 2;
    for (int n = 1; n <= commits; ++n) {
        if (!run(db, copyOf(n))) {
            sqlite3_close(db);
            return 3;
        }
        if (n == 1) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pause));
    }
    sqlite3_close(db);
    return 0;
}
