// quorvane — the command line over the ledger inquiry's libraries.

#include "Commands.h"

#include <cstring>
#include <iostream>

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* usage;
};

const Command commands[] = {
    {"tsql", runTsqlCommand, "tsql --db PATH [--explain] [--write]   run T-SQL from standard input (batches split by GO)"},
    {"demo-db", runDemoDbCommand,
     "demo-db PATH [--lines N] [--seed S] [--replace] | PATH --check   create the demo company database, or "
     "check that this build made it"},
    {"sql", runSqlCommand, "sql DATABASE --selection FILE [--company N]   print the statements of a selection"},
    {"run", runRunCommand,
     "run DATABASE --selection FILE [--company N] [--format json|text|csv] [--rows] [--threads N] [--lang ITA|ENG] "
     "[--compare KIND]   process a selection"},
    {"source", runSourceCommand, "source DATABASE --company N --numreg R [--line L] [--show]   open a line's source"},
    {"report-render", runReportRenderCommand,
     "report-render DATABASE --report FILE --sql-file Q.sql --pdf OUT [--company N] [--param NAME=VALUE]... "
     "[--formula NAME=TEXT]... [--formula-file NAME=PATH]... [--sort K=0|1]... [--area GHn=0|1]...   print a report file"},
    {"export", runExportCommand,
     "export DATABASE --selection FILE [--company N] [--group NODEKEY] (--xlsx OUT | --csv OUT) [--csv-separator C] "
     "[--decimal-point C] [--threads N] [--lang ITA|ENG] [--compare KIND]   export the ledger"},
    {"print", runPrintCommand,
     "print DATABASE --selection FILE [--company N] [--group NODEKEY] [--counterparts] (--pdf OUT | --dump) "
     "[--threads N] [--lang ITA|ENG]   print the ledger"},
    {"chart", runChartCommand,
     "chart DATABASE --selection FILE [--company N] [--group NODEKEY] [--compare KIND] --png OUT   draw a group's chart"},
};

void usage(std::ostream& out)
{
    out << "usage: quorvane COMMAND [options]\n";
    for (const Command& c : commands)
        out << "  quorvane " << c.usage << '\n';
    out << "where DATABASE is --db PATH (a company database file) or --connect ODBC-STRING (SQL Server)\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        usage(std::cerr);
        return 1;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        usage(std::cout);
        return 0;
    }
    for (const Command& c : commands) {
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::cerr << "quorvane: unknown command '" << argv[1] << "'\n";
    usage(std::cerr);
    return 1;
}
