#include "print/ReportStatement.h"

#include "engine/AttributeColumns.h"
#include "engine/StatementText.h"

#include <initializer_list>

namespace quorvane::print {
namespace {

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

// "CI13_MOVCORPO.CI13_DITTA_CG18 = " and the joined table's company column: the line's company.
std::string sameCompany(const std::string& companyColumn)
{
    return "CI13_MOVCORPO.CI13_DITTA_CG18 = " + companyColumn;
}

std::string conditions(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : " AND ") + part;
    return text;
}

// "LEFT OUTER JOIN SOURCE WITH (NOLOCK) ON CONDITIONS"; the source carries its alias when it has one.
std::string outerJoin(const std::string& source, std::initializer_list<std::string> on)
{
    return " LEFT OUTER JOIN " + source + " WITH (NOLOCK) ON " + conditions(on);
}

// A view of the project's type, state or class, joined on the project's company and code.
std::string projectViewJoin(const std::string& view, const std::string& prefix, const std::string& projectColumn)
{
    return outerJoin(view + " AS " + view, {"PD68_PROGETTI.PD68_DITTA_CG18 = " + view + "." + prefix + "_DITTA_CG18",
                                            "PD68_PROGETTI." + projectColumn + " = " + view + "." + prefix + "_CODICE"});
}

// The project node (or reference node) of the line, by company, project and node code.
std::string projectNodeJoin(const std::string& alias, const std::string& lineColumn)
{
    return outerJoin("VPD0C_NODO AS " + alias,
                     {sameCompany(alias + ".PD0C_DITTA_CG18"), "CI13_MOVCORPO.CI13_PROGETTO_PD68 = " + alias + ".PD0C_CODPROG_PD68",
                      "CI13_MOVCORPO." + lineColumn + " = " + alias + ".PD0C_CODNODO"});
}

void selectList(StatementText& statement, const ReportStatementInput& input)
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
}

void headerJoins(StatementText& from)
{
    from.line(" FROM CI12_MOVTESTATA AS CI12_MOVTESTATA WITH (NOLOCK)");
    from.line(outerJoin("CG18_ANADITTABASE", {"CI12_MOVTESTATA.CI12_DITTA_CG18 = CG18_ANADITTABASE.CG18_DITTA"}));
    from.line(outerJoin("CI13_MOVCORPO", {"CI12_MOVTESTATA.CI12_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
                                          "CI12_MOVTESTATA.CI12_NUMREG_CO99 = CI13_MOVCORPO.CI13_NUMREG_CO99"}));
    from.line(" OUTER APPLY FNCG68_NUMERDESC(CI12_MOVTESTATA.CI12_SEZDOC, CI12_MOVTESTATA.CI12_DITTA_CG18) AS CG68_NUMERDESC");
    from.line(outerJoin("CG44_CLIFOR", {"CI12_MOVTESTATA.CI12_DITTACF_CG44 = CG44_CLIFOR.CG44_DITTA_CG18",
                                        "CI12_MOVTESTATA.CI12_TIPOCF_CG44 = CG44_CLIFOR.CG44_TIPOCF",
                                        "CI12_MOVTESTATA.CI12_CLIFOR_CG44 = CG44_CLIFOR.CG44_CLIFOR"}));
    from.line(" OUTER APPLY FNCI03_CAUSALI( CI12_CODCAUS_CI03, CI12_DITTA_CG18) AS CI03_CAUSALI");
    from.line(outerJoin("PD68_PROGETTI", {sameCompany("PD68_PROGETTI.PD68_DITTA_CG18"),
                                          "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD68_PROGETTI.PD68_CODPROG"}));
    from.line(outerJoin("PD69_SOTTOPROGETTI", {sameCompany("PD69_SOTTOPROGETTI.PD69_DITTA_CG18"),
                                               "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD69_SOTTOPROGETTI.PD69_CODPROG_PD68",
                                               "CI13_MOVCORPO.CI13_SPROGETTO_PD69 = PD69_SOTTOPROGETTI.PD69_SOTPROG"}));
    from.line(outerJoin("CG16_ANAGGEN AS ANAGDITTA", {"CG18_ANADITTABASE.CG18_CODICE_CG16 = ANAGDITTA.CG16_CODICE"}));
    from.line(outerJoin("CG16_ANAGGEN AS ANAGCLIFOR", {"CG44_CLIFOR.CG44_CODICE_CG16 = ANAGCLIFOR.CG16_CODICE"}));
}

void accountJoins(StatementText& from)
{
    from.line(outerJoin("CG42_MOVCONT", {sameCompany("CG42_MOVCONT.CG42_DITTA_CG18"),
                                         "CI13_MOVCORPO.CI13_NUMREG_CO99 = CG42_MOVCONT.CG42_NUMREG_CG41",
                                         "CI13_MOVCORPO.CI13_RIGACONT_CG42 = CG42_MOVCONT.CG42_NUMRIGACONT"}));
    from.line(" CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_MOVCORPO.CI13_CODPDC_PC01, CI13_MOVCORPO.CI13_CONTO_PC03, "
              "CI13_MOVCORPO.CI13_DITTA_CG18, NULL) AS CONTO");
    from.line(" CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_MOVCORPO.CI13_CODVDS_PC01, CI13_MOVCORPO.CI13_VDS_PC03, "
              "CI13_MOVCORPO.CI13_DITTA_CG18, NULL) AS VDS");
    from.line(" CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_MOVCORPO.CI13_DITTA_CG18) AS PC04_VDS");
    from.line(outerJoin("CG39_PRSDESPDC", {"CG42_MOVCONT.CG42_DITTA_CG18 = CG39_PRSDESPDC.CG39_DITTA_CG18",
                                           "CG42_MOVCONT.CG42_GRUPPO_CG10 = CG39_PRSDESPDC.CG39_GRUPPO_CG10",
                                           "CG42_MOVCONT.CG42_CONTOPAR_CG24 = CG39_PRSDESPDC.CG39_CONTO_CG24"}));
    from.line(outerJoin("CG24_TABPDC", {"CG42_MOVCONT.CG42_GRUPPO_CG10 = CG24_TABPDC.CG24_GRUPPO_CG10",
                                        "CG42_MOVCONT.CG42_CONTOPAR_CG24 = CG24_TABPDC.CG24_CONTO"}));
}

void jobOrderAndStaffJoins(StatementText& from)
{
    from.line(outerJoin("PD25_COMMESSA AS COMMESSA", {sameCompany("COMMESSA.PD25_DITTA_CG18"),
                                                      "CI13_MOVCORPO.CI13_COMMESSA_PD25 = COMMESSA.PD25_CODCOMMESSA",
                                                      "COMMESSA.PD25_CODSOTCOMM = 0"}));
    from.line(outerJoin("PD25_COMMESSA AS SCOMMESSA", {sameCompany("SCOMMESSA.PD25_DITTA_CG18"),
                                                       "CI13_MOVCORPO.CI13_COMMESSA_PD25 = SCOMMESSA.PD25_CODCOMMESSA",
                                                       "CI13_MOVCORPO.CI13_SCOMMESSA_PD25 = SCOMMESSA.PD25_CODSOTCOMM"}));
    from.line(outerJoin("PD06_DIPENDENTI", {sameCompany("PD06_DIPENDENTI.PD06_DITTA_CG18"),
                                            "CI13_MOVCORPO.CI13_DIPENDENTE_PD06 = PD06_DIPENDENTI.PD06_CODDIP"}));
    from.line(outerJoin("VPD07_REPARTO AS PD07_REPARTO", {sameCompany("PD07_REPARTO.PD07_DITTA_CG18"),
                                                          "CI13_MOVCORPO.CI13_REPARTO_PD07 = PD07_REPARTO.PD07_CODREP"}));
    from.line(outerJoin("PD04_QUALIFICHE", {sameCompany("PD04_QUALIFICHE.PD04_DITTA_CG18"),
                                            "CI13_MOVCORPO.CI13_QUALIFICA_PD04 = PD04_QUALIFICHE.PD04_CODQUAL"}));
    from.line(outerJoin("CG31_ANADITTASEDI", {"CI12_MOVTESTATA.CI12_DITTA_CG18 = CG31_ANADITTASEDI.CG31_DITTA_CG18",
                                              "CI12_MOVTESTATA.CI12_SEDE_CG31 = CG31_ANADITTASEDI.CG31_CODICE"}));
    from.line(projectViewJoin("VCI16_TIPIPROGETTO", "PD1D", "PD68_TIPO_PD1D"));
    from.line(projectViewJoin("VCI21_STATOPROGETTO", "PD1E", "PD68_STATO_PD1E"));
    from.line(projectViewJoin("VCI18_CLASSEA", "PD1F", "PD68_CLASSEA_PD1F"));
    from.line(projectViewJoin("VCI19_CLASSEB", "PD1G", "PD68_CLASSEB_PD1G"));
    from.line(projectViewJoin("VCI20_CLASSEC", "PD1H", "PD68_CLASSEC_PD1H"));
}

void warehouseAndProjectJoins(StatementText& from)
{
    from.line(outerJoin("MG58_DEPOSITI", {sameCompany("MG58_DEPOSITI.MG58_DITTA_CG18"),
                                          "CI13_MOVCORPO.CI13_DEP_MG58 = MG58_DEPOSITI.MG58_CODDEP"}));
    from.line(outerJoin("MG87_ARTDESC", {sameCompany("MG87_ARTDESC.MG87_DITTA_CG18"),
                                         "CI13_MOVCORPO.CI13_CODART_MG66 = MG87_ARTDESC.MG87_CODART_MG66",
                                         "ISNULL(MG87_ARTDESC.MG87_OPZIONE_MG5E,'') = ''",
                                         "ISNULL(MG87_ARTDESC.MG87_LINGUA_MG52,'') = ''"}));
    from.line(outerJoin("MG87_ARTDESC AS MG87_VARDESC",
                        {sameCompany("MG87_VARDESC.MG87_DITTA_CG18"),
                         "CI13_MOVCORPO.CI13_CODART_MG66 = MG87_VARDESC.MG87_CODART_MG66",
                         "ISNULL(CI13_MOVCORPO.CI13_OPZIONE_MG5E, '') = ISNULL(MG87_VARDESC.MG87_OPZIONE_MG5E,'')",
                         "ISNULL(MG87_VARDESC.MG87_LINGUA_MG52,'') = ''"}));
    from.line(projectNodeJoin("PD0C_NODO", "CI13_NODO_PD0C"));
    from.line(projectNodeJoin("PD0C_NODORIF", "CI13_NODORIF_PD0C"));
    from.line(outerJoin("VPD0D_ATTIVITA AS PD0D_ATTIVITA",
                        {sameCompany("PD0D_ATTIVITA.PD0D_DITTA_CG18"),
                         "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD0D_ATTIVITA.PD0D_CODPROG_PD68",
                         "CI13_MOVCORPO.CI13_ATTIVITA_PD0D = PD0D_ATTIVITA.PD0D_CODATTIVITA"}));
    from.line(outerJoin("VPD64_SPESEACCESSORIE AS PD64_SPESEACCESSORIE",
                        {sameCompany("PD64_SPESEACCESSORIE.PD64_DITTA_CG18"),
                         "CI13_MOVCORPO.CI13_SPESAGEN_PD59 = PD64_SPESEACCESSORIE.PD64_CODICESPESA",
                         "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD64_SPESEACCESSORIE.PD64_CODPROG_PD68"}));
    from.line(outerJoin("CGT0_TIPOMOV", {"CGT0_CODICE = CI12_INDTIPOMOV"}));
    from.line(outerJoin("VVC02_ARTICOLIEPU", {"VVC02_ARTICOLIEPU.VC02_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
                                              "VVC02_ARTICOLIEPU.VC02_CODPROG_PD68 = CI13_MOVCORPO.CI13_PROGETTO_PD68",
                                              "VVC02_ARTICOLIEPU.VC02_IDEPU  = CI13_MOVCORPO.CI13_IDEPU_VC02"}));
    from.line(outerJoin("VVC25_ATTREZZATURE", {"VVC25_ATTREZZATURE.VC02_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
                                               "VVC25_ATTREZZATURE.VC25_IDEPU_VC02 = CI13_MOVCORPO.CI13_IDATTREZ_VC02"}));
}

// The attribute tables are joined only when the company defines attributes of that kind.
void attributeJoins(StatementText& from, const ReportStatementInput& input)
{
    if (!input.headerAttributes.empty())
        from.lineCr(" LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI12 WITH(NOLOCK) ON CO5L_CI12.CO5L_GUID = CI12_GUID");
    if (!input.lineAttributes.empty())
        from.lineCr(" LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI13 WITH(NOLOCK) ON CO5L_CI13.CO5L_GUID = CI13_GUID");
}

} // namespace

std::string GetStringaSQLReport(const ReportStatementInput& input)
{
    StatementText statement;
    selectList(statement, input);
    headerJoins(statement);
    accountJoins(statement);
    jobOrderAndStaffJoins(statement);
    warehouseAndProjectJoins(statement);
    attributeJoins(statement, input);
    statement.bare(" ").bare(input.condition);
    return statement.text();
}

std::string ledgerReportStatement(const std::string& condition, const std::vector<std::string>& headerAttributes,
                                  const std::vector<std::string>& lineAttributes)
{
    return GetStringaSQLReport(
        {condition, attributeColumnList(headerAttributes, "CO5L_CI12"), attributeColumnList(lineAttributes, "CO5L_CI13")});
}

} // namespace quorvane::print
