#include "engine/LineJoins.h"

#include <map>
#include <stdexcept>

namespace quorvane {
namespace {

// The line's company equal to the joined table's company column.
std::string sameCompany(const std::string& companyColumn)
{
    return "CI13_MOVCORPO.CI13_DITTA_CG18 = " + companyColumn;
}

// A project's node, as the line's node or as its reference node.
LineJoin projectNode(const std::string& alias, const std::string& lineColumn)
{
    return {"VPD0C_NODO AS " + alias,
            {sameCompany(alias + ".PD0C_DITTA_CG18"), "CI13_MOVCORPO.CI13_PROGETTO_PD68 = " + alias + ".PD0C_CODPROG_PD68",
             "CI13_MOVCORPO." + lineColumn + " = " + alias + ".PD0C_CODNODO"}};
}

std::map<std::string, LineJoin, std::less<>> joins()
{
    return {
        {"CG42_MOVCONT",
         {"CG42_MOVCONT",
          {sameCompany("CG42_MOVCONT.CG42_DITTA_CG18"), "CI13_MOVCORPO.CI13_NUMREG_CO99 = CG42_MOVCONT.CG42_NUMREG_CG41",
           "CI13_MOVCORPO.CI13_RIGACONT_CG42 = CG42_MOVCONT.CG42_NUMRIGACONT"}}},
        {"COMMESSA",
         {"PD25_COMMESSA AS COMMESSA",
          {sameCompany("COMMESSA.PD25_DITTA_CG18"), "CI13_MOVCORPO.CI13_COMMESSA_PD25 = COMMESSA.PD25_CODCOMMESSA",
           "COMMESSA.PD25_CODSOTCOMM = 0"}}},
        {"SCOMMESSA",
         {"PD25_COMMESSA AS SCOMMESSA",
          {sameCompany("SCOMMESSA.PD25_DITTA_CG18"), "CI13_MOVCORPO.CI13_COMMESSA_PD25 = SCOMMESSA.PD25_CODCOMMESSA",
           "CI13_MOVCORPO.CI13_SCOMMESSA_PD25 = SCOMMESSA.PD25_CODSOTCOMM"}}},
        {"PD68_PROGETTI",
         {"PD68_PROGETTI",
          {sameCompany("PD68_PROGETTI.PD68_DITTA_CG18"), "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD68_PROGETTI.PD68_CODPROG"}}},
        {"PD69_SOTTOPROGETTI",
         {"PD69_SOTTOPROGETTI",
          {sameCompany("PD69_SOTTOPROGETTI.PD69_DITTA_CG18"),
           "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD69_SOTTOPROGETTI.PD69_CODPROG_PD68",
           "CI13_MOVCORPO.CI13_SPROGETTO_PD69 = PD69_SOTTOPROGETTI.PD69_SOTPROG"}}},
        {"PD06_DIPENDENTI",
         {"PD06_DIPENDENTI",
          {sameCompany("PD06_DIPENDENTI.PD06_DITTA_CG18"), "CI13_MOVCORPO.CI13_DIPENDENTE_PD06 = PD06_DIPENDENTI.PD06_CODDIP"}}},
        {"PD04_QUALIFICHE",
         {"PD04_QUALIFICHE",
          {sameCompany("PD04_QUALIFICHE.PD04_DITTA_CG18"), "CI13_MOVCORPO.CI13_QUALIFICA_PD04 = PD04_QUALIFICHE.PD04_CODQUAL"}}},
        {"PD07_REPARTO",
         {"VPD07_REPARTO AS PD07_REPARTO",
          {sameCompany("PD07_REPARTO.PD07_DITTA_CG18"), "CI13_MOVCORPO.CI13_REPARTO_PD07 = PD07_REPARTO.PD07_CODREP"}}},
        {"PD0C_NODO", projectNode("PD0C_NODO", "CI13_NODO_PD0C")},
        {"PD0C_NODORIF", projectNode("PD0C_NODORIF", "CI13_NODORIF_PD0C")},
        {"PD0D_ATTIVITA",
         {"VPD0D_ATTIVITA AS PD0D_ATTIVITA",
          {sameCompany("PD0D_ATTIVITA.PD0D_DITTA_CG18"), "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD0D_ATTIVITA.PD0D_CODPROG_PD68",
           "CI13_MOVCORPO.CI13_ATTIVITA_PD0D = PD0D_ATTIVITA.PD0D_CODATTIVITA"}}},
        {"PD64_SPESEACCESSORIE",
         {"VPD64_SPESEACCESSORIE AS PD64_SPESEACCESSORIE",
          {sameCompany("PD64_SPESEACCESSORIE.PD64_DITTA_CG18"),
           "CI13_MOVCORPO.CI13_SPESAGEN_PD59 = PD64_SPESEACCESSORIE.PD64_CODICESPESA",
           "CI13_MOVCORPO.CI13_PROGETTO_PD68 = PD64_SPESEACCESSORIE.PD64_CODPROG_PD68"}}},
        // The site is the line's own: the working table shows it under the header's column name, and the
        // ledger groups by it.
        {"CG31_ANADITTASEDI",
         {"CG31_ANADITTASEDI",
          {sameCompany("CG31_ANADITTASEDI.CG31_DITTA_CG18"), "CI13_MOVCORPO.CI13_SEDE_CG31 = CG31_ANADITTASEDI.CG31_CODICE"}}},
        {"MG58_DEPOSITI",
         {"MG58_DEPOSITI",
          {sameCompany("MG58_DEPOSITI.MG58_DITTA_CG18"), "CI13_MOVCORPO.CI13_DEP_MG58 = MG58_DEPOSITI.MG58_CODDEP"}}},
        // The article's base description: no variant, base language.
        {"MG87_ARTDESC",
         {"MG87_ARTDESC",
          {sameCompany("MG87_ARTDESC.MG87_DITTA_CG18"), "CI13_MOVCORPO.CI13_CODART_MG66 = MG87_ARTDESC.MG87_CODART_MG66",
           "ISNULL(MG87_ARTDESC.MG87_OPZIONE_MG5E,'') = ''", "ISNULL(MG87_ARTDESC.MG87_LINGUA_MG52,'') = ''"}}},
        {"MG87_VARDESC",
         {"MG87_ARTDESC AS MG87_VARDESC",
          {sameCompany("MG87_VARDESC.MG87_DITTA_CG18"), "CI13_MOVCORPO.CI13_CODART_MG66 = MG87_VARDESC.MG87_CODART_MG66",
           "ISNULL(CI13_MOVCORPO.CI13_OPZIONE_MG5E, '') = ISNULL(MG87_VARDESC.MG87_OPZIONE_MG5E,'')",
           "ISNULL(MG87_VARDESC.MG87_LINGUA_MG52,'') = ''"}}},
        {"VVC02_ARTICOLIEPU",
         {"VVC02_ARTICOLIEPU",
          {"VVC02_ARTICOLIEPU.VC02_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
           "VVC02_ARTICOLIEPU.VC02_CODPROG_PD68 = CI13_MOVCORPO.CI13_PROGETTO_PD68",
           "VVC02_ARTICOLIEPU.VC02_IDEPU  = CI13_MOVCORPO.CI13_IDEPU_VC02"}}},
        {"VVC25_ATTREZZATURE",
         {"VVC25_ATTREZZATURE",
          {"VVC25_ATTREZZATURE.VC02_DITTA_CG18 = CI13_MOVCORPO.CI13_DITTA_CG18",
           "VVC25_ATTREZZATURE.VC25_IDEPU_VC02 = CI13_MOVCORPO.CI13_IDATTREZ_VC02"}}},
    };
}

} // namespace

const LineJoin& lineJoin(std::string_view alias)
{
    static const std::map<std::string, LineJoin, std::less<>> known = joins();
    const auto found = known.find(alias);
    if (found == known.end())
        throw std::out_of_range("no shared join is known as " + std::string(alias));
    return found->second;
}

} // namespace quorvane
