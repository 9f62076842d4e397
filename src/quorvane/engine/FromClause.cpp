#include "engine/FromClause.h"

#include "engine/LineJoins.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

namespace {

// A join line followed by its conditions, the first after "ON", the others after "AND".
void join(StatementText& from, const std::string& joinLine, const std::vector<std::string>& conditions)
{
    from.line(joinLine);
    bool first = true;
    for (const std::string& condition : conditions) {
        from.line((first ? "ON      " : "AND     ") + condition);
        first = false;
    }
}

// The shared joins known by these aliases, in this order.
void outerJoins(StatementText& from, std::initializer_list<std::string_view> aliases)
{
    for (std::string_view alias : aliases) {
        const LineJoin& shared = lineJoin(alias);
        join(from, "LEFT OUTER JOIN " + shared.source + " WITH (NOLOCK)", shared.conditions);
    }
}

// The line's company equal to the joined table's company column.
std::string sameCompany(const std::string& companyColumn)
{
    return "CI13_DITTA_CG18 = " + companyColumn;
}

void movementTables(StatementText& from, const EngineSettings& settings)
{
    from.line("FROM   CI12_MOVTESTATA            WITH (NOLOCK)");
    join(from, "INNER  JOIN   CI13_MOVCORPO       WITH (NOLOCK)",
         {"CI12_DITTA_CG18 = CI13_DITTA_CG18", "CI12_NUMREG_CO99 = CI13_NUMREG_CO99"});
    outerJoins(from, {"CG42_MOVCONT"});
    from.line("OUTER APPLY FNCG_CG24_CONTO(CG42_GRUPPO_CG10,CG42_CONTOPAR_CG24, CI13_DITTA_CG18, '"
              + quoteEscaped(settings.language) + "')");
    from.line("OUTER APPLY     FNCG68_NUMERDESC    (CI12_MOVTESTATA.CI12_SEZDOC, CI12_MOVTESTATA.CI12_DITTA_CG18)"
              "      AS CG68_NUMERDESC");
}

// The customer, the supplier and the counterpart of either, each in the registry version valid at the
// document date (the registration date when there is none).
void customerSupplierRegistries(StatementText& from)
{
    struct Registry { const char* alias; const char* padding; const char* type; };
    for (const Registry& r : {Registry{"ANAGCLIENTE", "   ", "0"}, Registry{"ANAGFORNITORE", " ", "1"},
                              Registry{"ANAGCLIFOR", "    ", "CI12_TIPOCF_CG44"}}) {
        const std::string alias = r.alias;
        join(from, "LEFT OUTER JOIN VCG16_ANAGRALLADATA AS " + alias + r.padding + "WITH (NOLOCK)",
             {alias + ".CG44_DITTA_CG18 = CI12_DITTACF_CG44", alias + ".CG44_CLIFOR = CI12_CLIFOR_CG44",
              alias + ".CG44_TIPOCF = " + r.type,
              "ISNULL(CI12_DATADOC, CI12_DATAREG) >= ISNULL(" + alias + ".DATAINIZIOVALIDITA, '17530101' )",
              "ISNULL(CI12_DATADOC, CI12_DATAREG) <= ISNULL(" + alias + ".DATAFINEVALIDITA, '99991231' )"});
    }
}

// Account, expense item and its nature are inner: a line without them does not count in the ledger.
void accountsAndCausal(StatementText& from)
{
    from.line("CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODPDC_PC01, CI13_CONTO_PC03, CI13_DITTA_CG18, NULL) AS CONTO");
    from.line("CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03  , CI13_DITTA_CG18, NULL) AS VDS");
    from.line("CROSS APPLY FNPC04_NATURECOSTI (VDS.PC03_NATURA_PC04, CI13_DITTA_CG18 )                   AS PC04_VDS");
    from.line("OUTER APPLY FNCI03_CAUSALI(CI12_CODCAUS_CI03, CI12_DITTA_CG18)                            AS CI03_CAUSALI");
    from.line("OUTER APPLY DBO.FNCGT0_TIPOMOV(CI12_INDTIPOMOV, CI12_DITTA_CG18) AS CGT0_TIPOMOV");
}

void jobOrdersAndProjects(StatementText& from)
{
    outerJoins(from, {"COMMESSA", "SCOMMESSA", "PD68_PROGETTI", "PD69_SOTTOPROGETTI"});
    // Project type, state and classes A to C, each on the project's own code column.
    struct Decoder { const char* view; const char* padding; const char* prefix; const char* projectColumn; };
    for (const Decoder& d : {Decoder{"VPD1D_TIPIPROGETTI", "      ", "PD1D", "PD68_TIPO_PD1D"},
                             Decoder{"VPD1E_STATIPROGETTI", "     ", "PD1E", "PD68_STATO_PD1E"},
                             Decoder{"VPD1F_CLASSEAPROG", "       ", "PD1F", "PD68_CLASSEA_PD1F"},
                             Decoder{"VPD1G_CLASSEBPROG", "       ", "PD1G", "PD68_CLASSEB_PD1G"},
                             Decoder{"VPD1H_CLASSECPROG", "       ", "PD1H", "PD68_CLASSEC_PD1H"}}) {
        const std::string view = d.view, prefix = d.prefix;
        join(from, "LEFT OUTER JOIN   " + view + d.padding + "WITH (NOLOCK)",
             {sameCompany(view + "." + prefix + "_DITTA_CG18"),
              std::string(d.projectColumn) + " = " + view + "." + prefix + "_CODICE"});
    }
}

void personnelAndStructure(StatementText& from)
{
    outerJoins(from, {"PD06_DIPENDENTI", "PD04_QUALIFICHE", "PD0C_NODO", "PD0C_NODORIF", "PD0D_ATTIVITA", "PD07_REPARTO",
                      "PD64_SPESEACCESSORIE", "CG31_ANADITTASEDI"});
}

void warehouse(StatementText& from)
{
    outerJoins(from, {"MG58_DEPOSITI", "MG87_ARTDESC", "MG87_VARDESC"});
}

void unitPriceList(StatementText& from)
{
    outerJoins(from, {"VVC02_ARTICOLIEPU", "VVC25_ATTREZZATURE"});
}

// The attribute joins end with a carriage return alone.
void attributeJoins(StatementText& from, const AttributeLists& attributes)
{
    if (!attributes.header.empty())
        from.lineCr("LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI12 WITH(NOLOCK) ON CO5L_CI12.CO5L_GUID = CI12_GUID");
    if (!attributes.line.empty())
        from.lineCr("LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI13 WITH(NOLOCK) ON CO5L_CI13.CO5L_GUID = CI13_GUID");
}

} // namespace

StatementText extractionFromClause(const EngineSettings& settings, const AttributeLists& attributes)
{
    StatementText from;
    movementTables(from, settings);
    customerSupplierRegistries(from);
    if (settings.intercompany)
        from.line("LEFT OUTER JOIN   CGC0_STRUTINFRAGRUPPO   WITH(NOLOCK) ON CGC0_CODICE = CI13_CODICE_CGC0");
    accountsAndCausal(from);
    jobOrdersAndProjects(from);
    personnelAndStructure(from);
    warehouse(from);
    if (settings.qevIntegration)
        unitPriceList(from);
    attributeJoins(from, attributes);
    return from;
}

} // namespace quorvane
