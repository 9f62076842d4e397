#include "company/DemoWriters.h"
#include "company/ItalianWords.h"
#include "company/TableWriter.h"

namespace company::demo {

namespace {

using CodeList = std::vector<std::pair<std::string, std::string>>;

const CodeList projectTypes = {{"INT", "Progetto interno"}, {"EST", "Progetto per cliente"}, {"RIC", "Ricerca e sviluppo"}};
const CodeList projectStates = {{"APE", "Aperto"}, {"SOS", "Sospeso"}, {"CHI", "Chiuso"}};
const CodeList classesA = {{"STRAT", "Strategico"}, {"ORD", "Ordinario"}};
const CodeList classesB = {{"NORD", "Nord Italia"}, {"CSUD", "Centro-Sud"}, {"ESTERO", "Estero"}};
const CodeList classesC = {{"PICC", "Piccolo"}, {"MEDIO", "Medio"}, {"GRANDE", "Grande"}};
const CodeList qualifications = {{"OPE", "Operaio"}, {"SPE", "Operaio specializzato"}, {"IMP", "Impiegato"},
                                 {"TEC", "Tecnico"}, {"QUA", "Quadro"}};
const CodeList departments = {{"PROD", "Produzione"}, {"MAN", "Manutenzione"}, {"UT", "Ufficio tecnico"},
                              {"AMM", "Amministrazione"}, {"COM", "Commerciale"}, {"LOG", "Logistica"}};

// A small table of (company, code, description) rows.
void writeCodeTable(db::Connection& connection, const std::string& table, std::vector<std::string> columns,
                    int company, const CodeList& codes)
{
    TableWriter writer(connection, table, std::move(columns));
    for (const auto& [code, description] : codes)
        writer.add({company, code, description});
    writer.flush();
}

// The classification tables of projects share one shape: prefix_DITTA_CG18, prefix_CODICE, prefix_DESCR.
void writeClassification(db::Connection& connection, const std::string& table, const std::string& prefix,
                         int company, const CodeList& codes)
{
    writeCodeTable(connection, table, {prefix + "_DITTA_CG18", prefix + "_CODICE", prefix + "_DESCR"}, company, codes);
}

db::Value someCode(Prng& random, const CodeList& codes, int nullPercent)
{
    return random.percent(nullPercent) ? db::Value() : db::Value(random.pick(codes).first);
}

// The parts of a project's structure (nodes, activities, expenses) exist only when the company manages them.
void addStructure(db::Connection& connection, const CompanyMasters& m, Project& project)
{
    if (m.profile->projectStructure == 2)
        return;
    const int company = m.profile->company;
    TableWriter nodes(connection, "PD0C_NODI", {"PD0C_DITTA_CG18", "PD0C_CODPROG_PD68", "PD0C_CODNODO", "PD0C_DESCR"});
    TableWriter activities(connection, "PD0D_ATTIVITAPROG",
                           {"PD0D_DITTA_CG18", "PD0D_CODPROG_PD68", "PD0D_CODATTIVITA", "PD0D_DESCR"});
    TableWriter expenses(connection, "PD64_SPESEPROGETTO",
                         {"PD64_DITTA_CG18", "PD64_CODPROG_PD68", "PD64_CODICESPESA", "PD64_DESCR"});
    const std::vector<std::string> nodeNames = {"Progettazione", "Approvvigionamenti", "Realizzazione", "Collaudo"};
    const std::vector<std::string> activityNames = {"Sopralluogo", "Installazione", "Documentazione"};
    const std::vector<std::string> expenseNames = {"Trasferte", "Noleggi", "Materiale di consumo"};
    for (std::size_t i = 0; i < nodeNames.size(); ++i) {
        project.nodes.push_back(numbered("N", static_cast<long>(i + 1), 2));
        nodes.add({company, project.code, project.nodes.back(), nodeNames[i]});
    }
    for (std::size_t i = 0; i < activityNames.size(); ++i) {
        project.activities.push_back(numbered("ATT", static_cast<long>(i + 1), 2));
        activities.add({company, project.code, project.activities.back(), activityNames[i]});
    }
    for (std::size_t i = 0; i < expenseNames.size(); ++i) {
        project.expenses.push_back(numbered("SP", static_cast<long>(i + 1), 2));
        expenses.add({company, project.code, project.expenses.back(), expenseNames[i]});
    }
    nodes.flush();
    activities.flush();
    expenses.flush();
}

void writeProjectList(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    const int company = m.profile->company;
    TableWriter projects(connection, "PD68_PROGETTI",
                         {"PD68_DITTA_CG18", "PD68_CODPROG", "PD68_DESCRPROG", "PD68_TIPO_PD1D", "PD68_STATO_PD1E",
                          "PD68_DATAINIZIOPROG", "PD68_DATACHIUPROG", "PD68_CLASSEA_PD1F", "PD68_CLASSEB_PD1G",
                          "PD68_CLASSEC_PD1H"});
    TableWriter subprojects(connection, "PD69_SOTTOPROGETTI",
                            {"PD69_DITTA_CG18", "PD69_CODPROG_PD68", "PD69_SOTPROG", "PD69_DESCRSOTPROG"});
    for (int i = 1; i <= 8; ++i) {
        Project project;
        project.code = "PRG" + std::to_string(2021 + (i + 1) / 3) + "-" + numbered("", i, 2);
        std::string state = random.pick(projectStates).first;
        long start = firstDay() - 200 + random.below(900);
        projects.add({company, project.code, words::projectSubjects[static_cast<std::size_t>(i - 1)] + " " + std::to_string(i),
                      someCode(random, projectTypes, 10), state, dateOfDay(start),
                      nullable(state == "CHI", dateOfDay(start + 300 + random.below(400))),
                      someCode(random, classesA, 20), someCode(random, classesB, 30), someCode(random, classesC, 40)});
        project.subprojects = static_cast<int>(random.below(4));
        for (int s = 1; s <= project.subprojects; ++s)
            subprojects.add({company, project.code, s, "Lotto funzionale " + std::to_string(s)});
        m.projects.push_back(project);
    }
    projects.flush();
    subprojects.flush();
    for (Project& project : m.projects)
        addStructure(connection, m, project);
}

void writeJobOrders(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    TableWriter table(connection, "PD25_COMMESSA",
                      {"PD25_DITTA_CG18", "PD25_CODCOMMESSA", "PD25_CODSOTCOMM", "PD25_DESCR"});
    for (int i = 1; i <= 6; ++i) {
        JobOrder order{"C" + std::to_string(2021 + i / 2) + "/" + numbered("", i * 7, 3), static_cast<int>(random.below(4))};
        std::string customer = random.pick(words::surnames) + " " + random.pick(words::trades);
        table.add({m.profile->company, order.code, 0, "Commessa " + customer});
        for (int s = 1; s <= order.subOrders; ++s)
            table.add({m.profile->company, order.code, s, "Fase " + std::to_string(s) + " - " + customer});
        m.jobOrders.push_back(order);
    }
    table.flush();
}

void writePersonnel(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    const int company = m.profile->company;
    writeCodeTable(connection, "PD04_QUALIFICHE", {"PD04_DITTA_CG18", "PD04_CODQUAL", "PD04_DESCR"}, company,
                   qualifications);
    writeCodeTable(connection, "PD07_REPARTI", {"PD07_DITTA_CG18", "PD07_CODREP", "PD07_DESCR"}, company, departments);
    for (const auto& department : departments)
        m.departments.push_back(department.first);
    TableWriter employees(connection, "PD06_DIPENDENTI",
                          {"PD06_DITTA_CG18", "PD06_CODDIP", "PD06_COGNOME", "PD06_NOME", "PD06_QUALIFICA_PD04",
                           "PD06_REPARTO_PD07"});
    for (int i = 1; i <= 18; ++i) {
        Employee e{numbered("D", i, 4), random.pick(qualifications).first, random.pick(departments).first};
        employees.add({company, e.code, random.pick(words::surnames), nullable(i % 9 != 0, random.pick(words::firstNames)),
                       e.qualification, e.department});
        m.employees.push_back(e);
    }
    employees.flush();
}

// The unit-price list of the integrated vertical module: entries per project, and equipment.
void writePriceList(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    if (!m.profile->qevIntegration)
        return;
    TableWriter table(connection, "VC02_ARTICOLIEPU",
                      {"VC02_DITTA_CG18", "VC02_IDEPU", "VC02_CODPROG_PD68", "VC02_CODEPU", "VC02_DESCR", "VC02_PREZZO",
                       "VC02_FLGATTREZZATURA"});
    int id = 0;
    for (Project& project : m.projects)
        for (int i = 1; i <= 5; ++i) {
            project.priceListEntries.push_back(++id);
            table.add({m.profile->company, id, project.code, "EPU." + project.code + "." + numbered("", i, 3),
                       "Voce di elenco prezzi: " + random.pick(words::articles),
                       db::Decimal{random.between(500, 250000), 2}, false});
        }
    const std::vector<std::string> equipment = {"Gru a torre", "Piattaforma aerea", "Escavatore", "Compressore",
                                                "Gruppo elettrogeno", "Ponteggio"};
    for (const std::string& name : equipment) {
        m.equipment.push_back(++id);
        table.add({m.profile->company, id, m.projects.front().code, "ATTR." + numbered("", id, 4), name,
                   db::Decimal{random.between(5000, 90000), 2}, true});
    }
    table.flush();
}

} // namespace

void writeProjects(db::Connection& connection, Prng& random, CompanyMasters& masters)
{
    const int company = masters.profile->company;
    writeClassification(connection, "PD1D_TIPIPROGETTO", "PD1D", company, projectTypes);
    writeClassification(connection, "PD1E_STATIPROGETTO", "PD1E", company, projectStates);
    writeClassification(connection, "PD1F_CLASSEAPROG", "PD1F", company, classesA);
    writeClassification(connection, "PD1G_CLASSEBPROG", "PD1G", company, classesB);
    writeClassification(connection, "PD1H_CLASSECPROG", "PD1H", company, classesC);
    writeProjectList(connection, random, masters);
    writeJobOrders(connection, random, masters);
    writePersonnel(connection, random, masters);
    writePriceList(connection, random, masters);
    masters.phases = {"F10", "F20", "F30", "F40"};
    masters.machines = {"PRESSA01", "LASER02", "TORNIO03", "ROBOT04"};
}

} // namespace company::demo
