#include "engine/FromClause.h"

#include <initializer_list>
#include <string>

namespace quorvane {

namespace {

// A join line followed by its conditions, the first after "ON", the others after "AND".
void join(StatementText& from, const std::string& joinLine, std::initializer_list<std::string> conditions)
{
    from.line(joinLine);
    bool first = true;
    for (const std::string& condition : conditions) {
        from.line((first ? "ON      " : "AND     ") + condition);
        first = false;
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
    join(from, "LEFT OUTER  JOIN CG42_MOVCONT     WITH (NOLOCK)",
         {sameCompany("CG42_MOVCONT.CG42_DITTA_CG18"), "CI13_NUMREG_CO99 = CG42_MOVCONT.CG42_NUMREG_CG41",
          "CI13_RIGACONT_CG42 = CG42_MOVCONT.CG42_NUMRIGACONT"});
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
    join(from, "LEFT OUTER JOIN PD25_COMMESSA AS COMMESSA     WITH (NOLOCK)",
         {sameCompany("COMMESSA.PD25_DITTA_CG18"), "CI13_COMMESSA_PD25 = COMMESSA.PD25_CODCOMMESSA",
          "COMMESSA.PD25_CODSOTCOMM = 0"});
    join(from, "LEFT OUTER JOIN PD25_COMMESSA AS SCOMMESSA    WITH (NOLOCK)",
         {sameCompany("SCOMMESSA.PD25_DITTA_CG18"), "CI13_COMMESSA_PD25 = SCOMMESSA.PD25_CODCOMMESSA",
          "CI13_SCOMMESSA_PD25 = SCOMMESSA.PD25_CODSOTCOMM"});
    join(from, "LEFT OUTER JOIN PD68_PROGETTI         WITH (NOLOCK)",
         {sameCompany("PD68_PROGETTI.PD68_DITTA_CG18"), "CI13_PROGETTO_PD68 = PD68_PROGETTI.PD68_CODPROG"});
    join(from, "LEFT OUTER JOIN PD69_SOTTOPROGETTI    WITH (NOLOCK)",
         {sameCompany("PD69_SOTTOPROGETTI.PD69_DITTA_CG18"),
          "CI13_PROGETTO_PD68 = PD69_SOTTOPROGETTI.PD69_CODPROG_PD68",
          "CI13_SPROGETTO_PD69 = PD69_SOTTOPROGETTI.PD69_SOTPROG"});
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
    join(from, "LEFT OUTER JOIN  PD06_DIPENDENTI      WITH (NOLOCK)",
         {sameCompany("PD06_DIPENDENTI.PD06_DITTA_CG18"), "CI13_DIPENDENTE_PD06 = PD06_DIPENDENTI.PD06_CODDIP"});
    join(from, "LEFT OUTER JOIN  PD04_QUALIFICHE      WITH (NOLOCK)",
         {sameCompany("PD04_QUALIFICHE.PD04_DITTA_CG18"), "CI13_QUALIFICA_PD04 = PD04_QUALIFICHE.PD04_CODQUAL"});
    join(from, "LEFT OUTER JOIN  VPD0C_NODO   AS PD0C_NODO        WITH (NOLOCK)",
         {sameCompany("PD0C_NODO.PD0C_DITTA_CG18"), "CI13_PROGETTO_PD68 = PD0C_NODO.PD0C_CODPROG_PD68",
          "CI13_NODO_PD0C = PD0C_NODO.PD0C_CODNODO"});
    join(from, "LEFT OUTER JOIN  VPD0C_NODO   AS PD0C_NODORIF     WITH (NOLOCK)",
         {sameCompany("PD0C_NODORIF.PD0C_DITTA_CG18"), "CI13_PROGETTO_PD68 = PD0C_NODORIF.PD0C_CODPROG_PD68",
          "CI13_NODORIF_PD0C = PD0C_NODORIF.PD0C_CODNODO"});
    join(from, "LEFT OUTER JOIN  VPD0D_ATTIVITA           WITH (NOLOCK)",
         {sameCompany("VPD0D_ATTIVITA.PD0D_DITTA_CG18"), "CI13_PROGETTO_PD68 = VPD0D_ATTIVITA.PD0D_CODPROG_PD68",
          "CI13_ATTIVITA_PD0D = VPD0D_ATTIVITA.PD0D_CODATTIVITA"});
    join(from, "LEFT OUTER JOIN  VPD07_REPARTO                WITH (NOLOCK)",
         {sameCompany("VPD07_REPARTO.PD07_DITTA_CG18"), "CI13_REPARTO_PD07 = VPD07_REPARTO.PD07_CODREP"});
    join(from, "LEFT OUTER JOIN  VPD64_SPESEACCESSORIE        WITH (NOLOCK)",
         {sameCompany("VPD64_SPESEACCESSORIE.PD64_DITTA_CG18"),
          "CI13_SPESAGEN_PD59 = VPD64_SPESEACCESSORIE.PD64_CODICESPESA",
          "CI13_PROGETTO_PD68 = VPD64_SPESEACCESSORIE.PD64_CODPROG_PD68"});
    // The site is the line's own, which the working table shows under the header's name.
    join(from, "LEFT OUTER JOIN  CG31_ANADITTASEDI            WITH (NOLOCK)",
         {sameCompany("CG31_ANADITTASEDI.CG31_DITTA_CG18"), "CI13_SEDE_CG31 = CG31_ANADITTASEDI.CG31_CODICE"});
}

void warehouse(StatementText& from)
{
    join(from, "LEFT OUTER JOIN MG58_DEPOSITI WITH (NOLOCK)",
         {sameCompany("MG58_DEPOSITI.MG58_DITTA_CG18"), "CI13_DEP_MG58 = MG58_DEPOSITI.MG58_CODDEP"});
    // The article's base description: no variant, base language.
    join(from, "LEFT OUTER JOIN MG87_ARTDESC WITH (NOLOCK)",
         {sameCompany("MG87_ARTDESC.MG87_DITTA_CG18"), "CI13_CODART_MG66 = MG87_ARTDESC.MG87_CODART_MG66",
          "ISNULL(MG87_ARTDESC.MG87_OPZIONE_MG5E,'') = ''", "ISNULL(MG87_ARTDESC.MG87_LINGUA_MG52,'') = ''"});
    join(from, "LEFT OUTER JOIN MG87_ARTDESC AS MG87_VARDESC WITH (NOLOCK)",
         {sameCompany("MG87_VARDESC.MG87_DITTA_CG18"), "CI13_CODART_MG66 = MG87_VARDESC.MG87_CODART_MG66",
          "ISNULL(CI13_MOVCORPO.CI13_OPZIONE_MG5E, '') = ISNULL(MG87_VARDESC.MG87_OPZIONE_MG5E,'')",
          "ISNULL(MG87_VARDESC.MG87_LINGUA_MG52,'') = ''"});
}

void unitPriceList(StatementText& from)
{
    join(from, "LEFT OUTER JOIN VVC02_ARTICOLIEPU WITH (NOLOCK)",
         {"VVC02_ARTICOLIEPU.VC02_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
          "VVC02_ARTICOLIEPU.VC02_CODPROG_PD68 = CI13_MOVCORPO.CI13_PROGETTO_PD68",
          "VVC02_ARTICOLIEPU.VC02_IDEPU  = CI13_MOVCORPO.CI13_IDEPU_VC02"});
    join(from, "LEFT OUTER JOIN VVC25_ATTREZZATURE WITH (NOLOCK)",
         {"VVC25_ATTREZZATURE.VC02_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
          "VVC25_ATTREZZATURE.VC25_IDEPU_VC02 = CI13_MOVCORPO.CI13_IDATTREZ_VC02"});
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
