#include "company/DemoWriters.h"
#include "company/ItalianWords.h"
#include "company/TableWriter.h"

namespace company::demo {

namespace {

struct Nature {
    int code;
    const char* description;
    int costOrRevenue;                      // PC04_INDCOSTORIC
};

// Every cost-or-revenue indicator 0 to 4 is used, so that both industrial and financial companies have
// lines on both sides.
const std::vector<Nature> natures = {
    {1, "Costi diretti", 1},         {2, "Costi indiretti", 1},       {3, "Ricavi di vendita", 2},
    {4, "Ricavi diversi", 2},        {5, "Giroconti e rettifiche", 0}, {6, "Uscite finanziarie", 4},
    {7, "Entrate finanziarie", 3},   {8, "Investimenti", 4},           {9, "Contributi", 3},
    {10, "Costi figurativi", 1}};

struct ChartShape {
    int chart;
    int kind;                               // 0 cost centres, 1 expense items
    std::vector<int> segments;
};

// How many children an account of a level has: a single-level chart is a flat list.
int branching(std::size_t level, std::size_t levels)
{
    if (levels == 1)
        return 25;
    if (level + 1 == levels)
        return 4;
    return levels <= 3 ? 3 : 2;
}

class ChartWriter {
public:
    ChartWriter(db::Connection& connection, int company, const ChartShape& shape)
        : accounts_(connection, "PC03_ANAGPDC",
                    {"PC03_DITTA_CG18", "PC03_CODICE_PC01", "PC03_CONTO", "PC03_DESCR", "PC03_LIVELLO",
                     "PC03_FLGANALITICO", "PC03_LIVELLO1", "PC03_LIVELLO2", "PC03_LIVELLO3", "PC03_LIVELLO4",
                     "PC03_NATURA_PC04"}),
          company_(company), shape_(shape)
    {
    }

    // Writes the level codes and the analytic accounts below `code` and returns the analytic ones.
    std::vector<std::string> write(Prng& random)
    {
        std::vector<std::string> ancestors;
        descend(random, "", "", ancestors);
        accounts_.flush();
        return analytic_;
    }

private:
    void descend(Prng& random, const std::string& code, const std::string& parentName,
                 std::vector<std::string>& ancestors)
    {
        std::size_t level = ancestors.size();
        std::size_t levels = shape_.segments.size();
        for (int child = 1; child <= branching(level, levels); ++child) {
            std::string childCode = code + numbered("", child, shape_.segments[level]);
            if (level + 1 == levels) {
                writeAnalytic(childCode, parentName, ancestors);
                continue;
            }
            const auto& names = shape_.kind == 0 ? words::costCentreGroups : words::expenseItemGroups;
            std::string name = names[static_cast<std::size_t>(random.below(static_cast<long>(names.size())))];
            accounts_.add({company_, shape_.chart, childCode, name, static_cast<int>(level + 1), false,
                           level > 0 ? db::Value(ancestors[0]) : db::Value(),
                           level > 1 ? db::Value(ancestors[1]) : db::Value(),
                           level > 2 ? db::Value(ancestors[2]) : db::Value(), db::Value(), db::Value()});
            ancestors.push_back(childCode);
            descend(random, childCode, name, ancestors);
            ancestors.pop_back();
        }
    }

    void writeAnalytic(const std::string& code, const std::string& parentName, const std::vector<std::string>& ancestors)
    {
        std::size_t index = analytic_.size();
        std::string name;
        db::Value nature;
        if (shape_.kind == 0) {
            name = words::costCentres[index % words::costCentres.size()];
        } else {
            const words::NamedNature& item = words::expenseItems[index % words::expenseItems.size()];
            name = item.description;
            nature = item.nature;
        }
        if (!parentName.empty())
            name += " - " + parentName;
        auto level = [&](std::size_t i) { return i < ancestors.size() ? db::Value(ancestors[i]) : db::Value(); };
        accounts_.add({company_, shape_.chart, code, name.substr(0, 60), static_cast<int>(ancestors.size() + 1), true,
                       level(0), level(1), level(2), level(3), nature});
        analytic_.push_back(code);
    }

    TableWriter accounts_;
    int company_;
    const ChartShape& shape_;
    std::vector<std::string> analytic_;
};

void writeChartDefinitions(db::Connection& connection, const CompanyProfile& p)
{
    TableWriter charts(connection, "PC01_PIANIDEICONTI",
                       {"PC01_CODICE", "PC01_DESCR", "PC01_INDTIPOPDC", "PC01_NUMLIVELLI"});
    TableWriter segments(connection, "PC02_CONFIGPDC",
                         {"PC02_CODICE_PC01", "PC02_PROG", "PC02_DESCR", "PC02_DIMENSIONE", "PC02_INDNATURA"});
    const int levels = static_cast<int>(p.segmentSizes.size());
    for (int kind = 0; kind < 2; ++kind) {
        int chart = kind == 0 ? p.costCentreChart : p.expenseItemChart;
        charts.add({chart, std::string(kind == 0 ? "Centri di costo" : "Voci di spesa") + " ditta "
                               + std::to_string(p.company), kind, levels});
        for (int level = 1; level <= levels; ++level) {
            std::string name = level == 1 ? "Mastro" : level == levels ? "Conto" : numbered("Intermedio", level - 1, 0);
            segments.add({chart, level, name, p.segmentSizes[static_cast<std::size_t>(level - 1)],
                          kind == 1 && level == levels ? 1 : 0});
        }
    }
    charts.flush();
    segments.flush();
}

void writeNatures(db::Connection& connection, int company)
{
    TableWriter table(connection, "PC04_NATURECOSTI",
                      {"PC04_DITTA_CG18", "PC04_CODICE", "PC04_DESCR", "PC04_INDCOSTORIC"});
    for (const Nature& n : natures)
        table.add({company, n.code, n.description, n.costOrRevenue});
    table.flush();
}

void writeCausals(db::Connection& connection, CompanyMasters& m)
{
    m.actualCausals = {{"CONS", "Consuntivo costi", 0},         {"RICV", "Consuntivo ricavi", 0},
                       {"RIBA", "Ribaltamento costi", 0},       {"MAGZ", "Scarico di magazzino", 0},
                       {"COGE", "Da contabilità generale", 0},  {"ORE", "Versamento ore", 0},
                       {"DOCV", "Da documenti di vendita", 0}};
    m.budgetCausals = {{"BUDC", "Budget costi", 1}, {"BUDR", "Budget ricavi", 1}, {"PREV", "Previsione di commessa", 1}};
    TableWriter table(connection, "CI03_CAUSALI",
                      {"CI03_DITTA_CG18", "CI03_CODICE", "CI03_DESCR", "CI03_INDOPERAZIONE"});
    for (const auto* list : {&m.actualCausals, &m.budgetCausals})
        for (const Causal& c : *list)
            table.add({m.profile->company, c.code, c.description, c.operation});
    table.flush();
}

void writeEntities(db::Connection& connection, CompanyMasters& m)
{
    const std::vector<std::string> entities = {
        "Canale di vendita", "Area geografica", "Linea di prodotto", "Cliente chiave", "Marchio",
        "Stagione", "Programma europeo", "Centro di profitto", "Tipologia costo", "Fonte di finanziamento"};
    TableWriter table(connection, "CI02_ENTITA", {"CI02_DITTA_CG18", "CI02_NUMENTITA", "CI02_CODICE", "CI02_DESCR"});
    m.entityValues.assign(entities.size(), {});
    for (std::size_t e = 0; e < entities.size(); ++e)
        for (char value = 'A'; value <= 'D'; ++value) {
            std::string code = numbered("E", static_cast<long>(e + 1), 0) + "-" + value;
            table.add({m.profile->company, static_cast<int>(e + 1), code, entities[e] + " " + value});
            m.entityValues[e].push_back(code);
        }
    table.flush();
}

} // namespace

void writeCharts(db::Connection& connection, Prng& random, CompanyMasters& masters)
{
    const CompanyProfile& p = *masters.profile;
    writeChartDefinitions(connection, p);
    ChartShape costCentres{p.costCentreChart, 0, p.segmentSizes};
    ChartShape expenseItems{p.expenseItemChart, 1, p.segmentSizes};
    masters.costCentres = ChartWriter(connection, p.company, costCentres).write(random);
    masters.expenseItems = ChartWriter(connection, p.company, expenseItems).write(random);
    writeNatures(connection, p.company);
    writeCausals(connection, masters);
    writeEntities(connection, masters);
}

} // namespace company::demo
