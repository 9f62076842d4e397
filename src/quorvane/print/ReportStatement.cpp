#include "print/ReportStatement.h"

#include "engine/AttributeColumns.h"
#include "engine/LineJoins.h"
#include "engine/StatementText.h"
#include "report/formula/FormulaSet.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

namespace quorvane::print {
namespace {

using report::formula::upperCase;

constexpr const char* selectColumns[] = {
    "CI12_MOVTESTATA.CI12_DATAREG", "CI12_MOVTESTATA.CI12_SEZDOC", "CI12_MOVTESTATA.CI12_NUMDOC",
    "CI12_MOVTESTATA.CI12_DATADOC", "CI12_MOVTESTATA.CI12_CODCAUS_CI03", "CI12_MOVTESTATA.CI12_DESCRCAUS",
    "CI13_MOVCORPO.CI13_DADATACOMP", "CI13_MOVCORPO.CI13_ADATACOMP", "CI13_MOVCORPO.CI13_IMPORTO",
    "CI13_MOVCORPO.CI13_QTA", "CI12_MOVTESTATA.CI12_DITTA_CG18", "ANAGDITTA.CG16_RAGSOANAG",
    "CI12_MOVTESTATA.CI12_CLIFOR_CG44", "CI12_MOVTESTATA.CI12_TIPOCF_CG44", "CI12_MOVTESTATA.CI12_NUMDOCORIG",
    "CI12_MOVTESTATA.CI12_DESCRAGG", "CI13_MOVCORPO.CI13_CONTO_PC03", "CI13_MOVCORPO.CI13_VDS_PC03",
    "CI13_MOVCORPO.CI13_DESCRAGG", "CI13_MOVCORPO.CI13_CODART_MG66", "CI13_MOVCORPO.CI13_OPZIONE_MG5E",
    "CI13_MOVCORPO.CI13_DEP_MG58", "CI13_MOVCORPO.CI13_DEPCOL_MG58", "CI13_MOVCORPO.CI13_LOTTO",
    "CI13_MOVCORPO.CI13_PROGETTO_PD68", "CI13_MOVCORPO.CI13_SPROGETTO_PD69", "CI13_MOVCORPO.CI13_COMMESSA_PD25",
    "CI13_MOVCORPO.CI13_SCOMMESSA_PD25", "CI13_MOVCORPO.CI13_FASE_PD12", "CI13_MOVCORPO.CI13_REPARTO_PD07",
    "CI13_MOVCORPO.CI13_MACCHINA_PD08", "CI13_MOVCORPO.CI13_DIPENDENTE_PD06", "CI13_MOVCORPO.CI13_QUALIFICA_PD04",
    "CI13_MOVCORPO.CI13_LINEA_PD01", "CI13_MOVCORPO.CI13_NUMRIFPROD_PD44", "CI13_MOVCORPO.CI13_ENTITA1",
    "CI13_MOVCORPO.CI13_ENTITA2", "CI13_MOVCORPO.CI13_ENTITA3", "CI13_MOVCORPO.CI13_ENTITA4",
    "CI13_MOVCORPO.CI13_ENTITA5", "CI13_MOVCORPO.CI13_ENTITA6", "CI13_MOVCORPO.CI13_ENTITA7",
    "CI13_MOVCORPO.CI13_ENTITA8", "CI13_MOVCORPO.CI13_ENTITA9", "CI13_MOVCORPO.CI13_ENTITA10",
    "CI03_CAUSALI.CI03_DESCR", "ANAGCLIFOR.CG16_RAGSOANAG", "CONTO.PC03_DESCR", "PD68_PROGETTI.PD68_DESCRPROG",
    "VDS.PC03_DESCR", "CG68_NUMERDESC.CG68_DESCSEZ", "PD69_SOTTOPROGETTI.PD69_DESCRSOTPROG",
    "CI12_MOVTESTATA.CI12_FLGDOCBIS", "CG42_MOVCONT.CG42_CONTOPAR_CG24", "CG42_MOVCONT.CG42_TIPOCF_CG44",
    "CG39_PRSDESPDC.CG39_DESCR", "CG24_TABPDC.CG24_DESCR", "CG42_MOVCONT.CG42_CLIFORPAR_CG44", "PC04_CODICE",
    "PC04_VDS.PC04_INDCOSTORIC", "CI03_CAUSALI.CI03_INDOPERAZIONE", "CI12_MOVTESTATA.CI12_NUMREG_CO99",
    "CI13_MOVCORPO.CI13_PROGRIGA", "VCI16_TIPIPROGETTO.PD1D_DESCR", "VCI18_CLASSEA.PD1F_DESCR",
    "VCI19_CLASSEB.PD1G_DESCR", "VCI20_CLASSEC.PD1H_DESCR", "VCI21_STATOPROGETTO.PD1E_DESCR"};

// The FROM clause as it is written, with the names its sources go by (an alias, or the table's own name),
// so that a field the formulas read can be told to be there or not.
class ReportFrom {
public:
    ReportFrom()
    {
        statement_.line(" FROM CI12_MOVTESTATA AS CI12_MOVTESTATA WITH (NOLOCK)");
        known_.push_back("CI12_MOVTESTATA");
    }

    // "LEFT OUTER JOIN SOURCE WITH (NOLOCK) ON CONDITIONS"; the source carries its alias when it has one.
    void outerJoin(const std::string& source, const std::vector<std::string>& on)
    {
        std::string conditions;
        for (const std::string& condition : on)
            conditions += (conditions.empty() ? "" : " AND ") + condition;
        statement_.line(" LEFT OUTER JOIN " + source + " WITH (NOLOCK) ON " + conditions);
        known(source);
    }
    // The joins the extraction makes as well, known by their aliases.
    void sharedJoins(std::initializer_list<std::string_view> aliases)
    {
        for (std::string_view alias : aliases)
            outerJoin(lineJoin(alias).source, lineJoin(alias).conditions);
    }
    // "OUTER APPLY …" or "CROSS APPLY …", ending with its alias.
    void apply(const std::string& text)
    {
        statement_.line(text);
        known(text);
    }
    void attributeJoin(const std::string& text, const char* alias)
    {
        statement_.lineCr(text);
        known_.push_back(alias);
    }

    bool holds(const std::string& source) const
    {
        return std::find(known_.begin(), known_.end(), source) != known_.end();
    }
    const StatementText& statement() const { return statement_; }

private:
    // The last word of "TABLE", "TABLE AS ALIAS" or "… AS ALIAS".
    void known(const std::string& source) { known_.push_back(upperCase(source.substr(source.find_last_of(' ') + 1))); }

    StatementText statement_;
    std::vector<std::string> known_;
};

// A view of the project's type, state or class, joined on the project's company and code.
void projectView(ReportFrom& from, const std::string& view, const std::string& prefix, const std::string& projectColumn)
{
    from.outerJoin(view + " AS " + view, {"PD68_PROGETTI.PD68_DITTA_CG18 = " + view + "." + prefix + "_DITTA_CG18",
                                          "PD68_PROGETTI." + projectColumn + " = " + view + "." + prefix + "_CODICE"});
}

void headerJoins(ReportFrom& from)
{
    from.outerJoin("CG18_ANADITTABASE", {"CI12_MOVTESTATA.CI12_DITTA_CG18 = CG18_ANADITTABASE.CG18_DITTA"});
    from.outerJoin("CI13_MOVCORPO", {"CI12_MOVTESTATA.CI12_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
                                     "CI12_MOVTESTATA.CI12_NUMREG_CO99 = CI13_MOVCORPO.CI13_NUMREG_CO99"});
    from.apply(" OUTER APPLY FNCG68_NUMERDESC(CI12_MOVTESTATA.CI12_SEZDOC, CI12_MOVTESTATA.CI12_DITTA_CG18) AS CG68_NUMERDESC");
    from.outerJoin("CG44_CLIFOR", {"CI12_MOVTESTATA.CI12_DITTACF_CG44 = CG44_CLIFOR.CG44_DITTA_CG18",
                                   "CI12_MOVTESTATA.CI12_TIPOCF_CG44 = CG44_CLIFOR.CG44_TIPOCF",
                                   "CI12_MOVTESTATA.CI12_CLIFOR_CG44 = CG44_CLIFOR.CG44_CLIFOR"});
    from.apply(" OUTER APPLY FNCI03_CAUSALI( CI12_CODCAUS_CI03, CI12_DITTA_CG18) AS CI03_CAUSALI");
    from.sharedJoins({"PD68_PROGETTI", "PD69_SOTTOPROGETTI"});
    from.outerJoin("CG16_ANAGGEN AS ANAGDITTA", {"CG18_ANADITTABASE.CG18_CODICE_CG16 = ANAGDITTA.CG16_CODICE"});
    from.outerJoin("CG16_ANAGGEN AS ANAGCLIFOR", {"CG44_CLIFOR.CG44_CODICE_CG16 = ANAGCLIFOR.CG16_CODICE"});
}

void accountJoins(ReportFrom& from)
{
    from.sharedJoins({"CG42_MOVCONT"});
    from.apply(" CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_MOVCORPO.CI13_CODPDC_PC01, CI13_MOVCORPO.CI13_CONTO_PC03, "
               "CI13_MOVCORPO.CI13_DITTA_CG18, NULL) AS CONTO");
    from.apply(" CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_MOVCORPO.CI13_CODVDS_PC01, CI13_MOVCORPO.CI13_VDS_PC03, "
               "CI13_MOVCORPO.CI13_DITTA_CG18, NULL) AS VDS");
    from.apply(" CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_MOVCORPO.CI13_DITTA_CG18) AS PC04_VDS");
    from.outerJoin("CG39_PRSDESPDC", {"CG42_MOVCONT.CG42_DITTA_CG18 = CG39_PRSDESPDC.CG39_DITTA_CG18",
                                      "CG42_MOVCONT.CG42_GRUPPO_CG10 = CG39_PRSDESPDC.CG39_GRUPPO_CG10",
                                      "CG42_MOVCONT.CG42_CONTOPAR_CG24 = CG39_PRSDESPDC.CG39_CONTO_CG24"});
    from.outerJoin("CG24_TABPDC", {"CG42_MOVCONT.CG42_GRUPPO_CG10 = CG24_TABPDC.CG24_GRUPPO_CG10",
                                   "CG42_MOVCONT.CG42_CONTOPAR_CG24 = CG24_TABPDC.CG24_CONTO"});
}

void jobOrderAndStaffJoins(ReportFrom& from)
{
    from.sharedJoins({"COMMESSA", "SCOMMESSA", "PD06_DIPENDENTI", "PD07_REPARTO", "PD04_QUALIFICHE", "CG31_ANADITTASEDI"});
    projectView(from, "VCI16_TIPIPROGETTO", "PD1D", "PD68_TIPO_PD1D");
    projectView(from, "VCI21_STATOPROGETTO", "PD1E", "PD68_STATO_PD1E");
    projectView(from, "VCI18_CLASSEA", "PD1F", "PD68_CLASSEA_PD1F");
    projectView(from, "VCI19_CLASSEB", "PD1G", "PD68_CLASSEB_PD1G");
    projectView(from, "VCI20_CLASSEC", "PD1H", "PD68_CLASSEC_PD1H");
}

void warehouseAndProjectJoins(ReportFrom& from)
{
    from.sharedJoins({"MG58_DEPOSITI", "MG87_ARTDESC", "MG87_VARDESC", "PD0C_NODO", "PD0C_NODORIF", "PD0D_ATTIVITA",
                      "PD64_SPESEACCESSORIE"});
    from.outerJoin("CGT0_TIPOMOV", {"CGT0_CODICE = CI12_INDTIPOMOV"});
    from.sharedJoins({"VVC02_ARTICOLIEPU", "VVC25_ATTREZZATURE"});
}

// The attribute tables are joined only when the company defines attributes of that kind.
void attributeJoins(ReportFrom& from, const ReportStatementInput& input)
{
    if (!input.headerAttributes.empty())
        from.attributeJoin(" LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI12 WITH(NOLOCK) ON CO5L_CI12.CO5L_GUID = CI12_GUID",
                           "CO5L_CI12");
    if (!input.lineAttributes.empty())
        from.attributeJoin(" LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI13 WITH(NOLOCK) ON CO5L_CI13.CO5L_GUID = CI13_GUID",
                           "CO5L_CI13");
}

ReportFrom fromClause(const ReportStatementInput& input)
{
    ReportFrom from;
    headerJoins(from);
    accountJoins(from);
    jobOrderAndStaffJoins(from);
    warehouseAndProjectJoins(from);
    attributeJoins(from, input);
    return from;
}

// Whether the select list already returns the field: a qualified column by its table and name, an
// unqualified one (PC04_CODICE) by its name, an attribute by its place in the attribute lists.
bool selected(const std::string& field, const ReportStatementInput& input)
{
    const std::string name = field.substr(field.find('.') + 1);
    for (const char* column : selectColumns)
        if (upperCase(column) == field || upperCase(column) == name)
            return true;
    for (const std::string* list : {&input.headerAttributes, &input.lineAttributes})
        if ((upperCase(*list) + ",").find(", " + field + ",") != std::string::npos)
            return true;
    return false;
}

// The fields the formulas read beyond the list, each from the source the FROM clause gives it.
std::vector<std::string> addedFields(const ReportStatementInput& input, const ReportFrom& from)
{
    std::vector<std::string> added;
    for (const std::string& reference : input.fieldsRead) {
        const std::string field = upperCase(reference);
        const std::size_t dot = field.find('.');
        if (dot == std::string::npos || selected(field, input)
            || std::find(added.begin(), added.end(), field) != added.end())
            continue;
        if (!from.holds(field.substr(0, dot)))
            throw std::invalid_argument("the printed ledger reads {" + reference
                                        + "}, which no table of its statement holds");
        added.push_back(field);
    }
    return added;
}

void selectList(StatementText& statement, const ReportStatementInput& input, const std::vector<std::string>& added)
{
    statement.line(" SELECT ");
    bool first = true;
    for (const char* column : selectColumns) {
        statement.line(std::string(first ? "   " : "   , ") + column);
        first = false;
    }
    for (const std::string* list : {&input.headerAttributes, &input.lineAttributes})
        if (!list->empty())
            statement.line("      " + *list);
    for (const std::string& field : added)
        statement.line("   , " + field);
}

} // namespace

std::string GetStringaSQLReport(const ReportStatementInput& input)
{
    const ReportFrom from = fromClause(input);
    StatementText statement;
    selectList(statement, input, addedFields(input, from));
    statement.append(from.statement());
    statement.bare(" ").bare(input.condition);
    return statement.text();
}

std::string ledgerReportStatement(const std::string& condition, const std::vector<std::string>& headerAttributes,
                                  const std::vector<std::string>& lineAttributes, const std::vector<std::string>& fieldsRead)
{
    return GetStringaSQLReport({condition, attributeColumnList(headerAttributes, "CO5L_CI12"),
                                attributeColumnList(lineAttributes, "CO5L_CI13"), fieldsRead});
}

} // namespace quorvane::print
