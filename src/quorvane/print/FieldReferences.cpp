#include "print/FieldReferences.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace quorvane::print {
namespace {

using Entry = std::pair<std::string_view, std::string_view>;

constexpr std::array<Entry, 36> computedColumns{{
    {"CG42_CONTOPAR_CG24", "{CG42_MOVCONT.CG42_CONTOPAR_CG24}"},
    {"DESCRCONTOCOGE", "{@strDescrContoCoge}"},
    {"NUMSEZDOC", "{@strNumeroDocumento}"},
    {"DARE", "{@numDare}"},
    {"AVERE", "{@numAvere}"},
    {"CLIENTE", "{@numCodiceCliente}"},
    {"FORNITORE", "{@numCodiceFornitore}"},
    {"CLIFOR", "{@strCodiceCliFor}"},
    {"DESCRCLIENTE", "{@strDescrCliente}"},
    {"DESCRFORNITORE", "{@strDescrFornitore}"},
    {"DESCRCLIFOR", "{@strDescrCliFor}"},
    {"DESCROPERATORE", "{MG01_OPERATORI.MG01_DESCR}"},
    {"DESCRSEDE", "{@DescrSede}"},
    {"DESCRPROGETTO", "{PD68_PROGETTI.PD68_DESCRPROG}"},
    {"DESCRSPROGETTO", "{PD69_SPROGETTI.PD69_DESCRSOTPROG}"},
    {"DESCRCOMMESSA", "{COMMESSA.PD25_DESCR}"},
    {"DESCRSCOMMESSA", "{SCOMMESSA.PD25_DESCR}"},
    {"DESCRREPARTO", "{PD07_REPARTO.PD07_DESCR}"},
    {"NOMEDIPENDENTE", "{PD06_DIPENDENTI.PD06_COGNOME}"},
    {"DESCRQUALIFICA", "{PD04_QUALIFICHE.PD04_DESCR}"},
    {"DESCRDEPOSITO", "{DEPOSITO.MG58_DESCRDEP}"},
    {"DESCRDEPOSITOCOLL", "{DEPOSITOCOLL.MG58_DESCRDEP}"},
    {"DESCRLINEA", "{PD01_LINEA.PD01_DESCR}"},
    {"DESCRARTICOLO", "{MG87_ARTDESC.MG87_DESCART}"},
    {"DESCRVARIANTE", "{MG87_VARDESC.MG87_DESCART}"},
    {"PD68_TIPO_PD1D", "{VCI16_TIPIPROGETTO.PD1D_DESCR}"},
    {"PD68_STATO_PD1E", "{VCI21_STATOPROGETTO.PD1E_DESCR}"},
    {"PD68_CLASSEA_PD1F", "{VCI18_CLASSEA.PD1F_DESCR}"},
    {"PD68_CLASSEB_PD1G", "{VCI19_CLASSEB.PD1G_DESCR}"},
    {"PD68_CLASSEC_PD1H", "{VCI20_CLASSEC.PD1H_DESCR}"},
    {"DESCRNODO", "{PD0C_NODO.PD0C_DESCR}"},
    {"DESCRNODORIF", "{PD0C_NODORIF.PD0C_DESCR}"},
    {"DESCRATTIVITA", "{PD0D_ATTIVITA.PD0D_DESCR}"},
    {"DESCRSPESA", "{PD64_SPESEACCESSORIE.PD64_DESCR}"},
    {"DESCRNATURA", "{PC04_VDS.PC04_DESCR}"},
    {"DESCRTIPOMOV", "{CGT0_TIPOMOV.CGT0_DESCRMEDIA}"},
}};

// The columns an ordering row may carry that the report computes or reads elsewhere than on the line.
constexpr std::array<std::string_view, 5> orderingComputedColumns{"CLIENTE", "FORNITORE", "CLIFOR",
                                                                  "CG42_CONTOPAR_CG24", "DESCRCONTOCOGE"};
constexpr std::array<std::string_view, 9> headerColumns{
    "CI12_DATAREG",      "CI12_DATADOC",    "CI12_NUMDOC",    "CI12_SEZDOC",    "CI12_CODCAUS_CI03",
    "CI12_NUMDOCORIG",   "CI12_DESCRCAUS",  "CI12_DESCRAGG",  "CI12_INDTIPOMOV"};
constexpr std::array<std::string_view, 5> projectColumns{"PD68_TIPO_PD1D", "PD68_STATO_PD1E", "PD68_CLASSEA_PD1F",
                                                         "PD68_CLASSEB_PD1G", "PD68_CLASSEC_PD1H"};

// The working table shows the line's site under the header's column name; the ledger groups by the line's.
constexpr std::string_view siteColumn = "CI12_SEDE_CG31";
constexpr std::string_view lineSiteReference = "{CI13_MOVCORPO.CI13_SEDE_CG31}";

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& list, std::string_view column)
{
    return std::find(list.begin(), list.end(), column) != list.end();
}

std::string computedColumn(std::string_view column, std::string_view fallback)
{
    for (const auto& [name, reference] : computedColumns)
        if (name == column)
            return std::string(reference);
    for (int entity = 1; entity <= 10; ++entity)
        if (column == "DESCRENTITA" + std::to_string(entity))
            return "{ENTITA" + std::to_string(entity) + ".CI02_DESCR}";
    return std::string(fallback);
}

std::string braced(std::string_view table, std::string_view column)
{
    return "{" + std::string(table) + "." + std::string(column) + "}";
}

bool isQualified(std::string_view column)
{
    return column.find('.') != std::string_view::npos;
}

} // namespace

std::string fixedOrderingReference(std::string_view field)
{
    if (field == siteColumn)
        return std::string(lineSiteReference);
    if (field.starts_with("CI12"))
        return braced("CI12_MOVTESTATA", field);
    if (field.starts_with("CI13"))
        return braced("CI13_MOVCORPO", field);
    return computedColumn(field, "{CI12_MOVTESTATA.CI12_DATAREG}");
}

std::string orderingReference(std::string_view column)
{
    if (isQualified(column))
        return "{" + std::string(column) + "}";
    if (contains(orderingComputedColumns, column))
        return computedColumn(column, {});
    if (column == "NATURA")
        return "{PC04_VDS.PC04_CODICE}";
    if (column == siteColumn)
        return std::string(lineSiteReference);
    if (contains(projectColumns, column))
        return braced("PD68_PROGETTI", column);
    return braced(contains(headerColumns, column) ? "CI12_MOVTESTATA" : "CI13_MOVCORPO", column);
}

std::string groupReference(std::string_view column)
{
    if (column == "NATURA")
        return " {VDS.PC03_NATURA_PC04} ";
    return " " + orderingReference(column) + " ";
}

} // namespace quorvane::print
