#include "selection/SettingsCheckOrderColumns.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

// The four description rows sort but do not group.
constexpr std::array<OrderableColumn, 38> columns{{
    {"Codice Intercompany", "CI13_CODICE_CGC0", true},
    {"Sede", "CI12_SEDE_CG31", true},
    {"Causale", "CI12_CODCAUS_CI03", true},
    {"Descr. causale", "CI12_DESCRCAUS", false},
    {"Sez. doc.", "CI12_SEZDOC", true},
    {"Data reg.", "CI12_DATAREG", true},
    {"Data doc.", "CI12_DATADOC", true},
    {"Tipo movimento", "CI12_INDTIPOMOV", true},
    {"Nr. doc.", "CI12_NUMDOC", true},
    {"Nr. doc. orig.", "CI12_NUMDOCORIG", true},
    {"Codice cliente", "CLIENTE", true},
    {"Codice fornitore", "FORNITORE", true},
    {"Descr. agg. testata", "CI12_DESCRAGG", false},
    {"C.d.C.", "CI13_CONTO_PC03", true},
    {"V.d.S.", "CI13_VDS_PC03", true},
    {"Natura costo", "NATURA", true},
    {"C/contabile", "CG42_CONTOPAR_CG24", true},
    {"Descr. c/contabile", "DESCRCONTOCOGE", false},
    {"Descr. agg. corpo", "CI13_DESCRAGG", false},
    {"Commessa", "CI13_COMMESSA_PD25", true},
    {"Sottocommessa", "CI13_SCOMMESSA_PD25", true},
    {"Progetto", "CI13_PROGETTO_PD68", true},
    {"Sottoprogetto", "CI13_SPROGETTO_PD69", true},
    {"Tipo progetto", "PD68_TIPO_PD1D", true},
    {"Stato progetto", "PD68_STATO_PD1E", true},
    {"Classe A progetto", "PD68_CLASSEA_PD1F", true},
    {"Classe B progetto", "PD68_CLASSEB_PD1G", true},
    {"Classe C progetto", "PD68_CLASSEC_PD1H", true},
    {"Nodo", "CI13_NODO_PD0C", true},
    {"Nodo riferimento", "CI13_NODORIF_PD0C", true},
    {"Attività progetto", "CI13_ATTIVITA_PD0D", true},
    {"Spesa progetto", "CI13_SPESAGEN_PD59", true},
    {"Reparto", "CI13_REPARTO_PD07", true},
    {"Dipendente", "CI13_DIPENDENTE_PD06", true},
    {"Qualifica", "CI13_QUALIFICA_PD04", true},
    {"Articolo", "CI13_CODART_MG66", true},
    {"Variante", "CI13_OPZIONE_MG5E", true},
    {"Deposito", "CI13_DEP_MG58", true},
}};

} // namespace

const OrderableColumn* orderableColumn(std::string_view name)
{
    auto byCaption = std::find_if(columns.begin(), columns.end(), [&](const auto& c) { return c.caption == name; });
    if (byCaption != columns.end())
        return &*byCaption;
    auto byColumn = std::find_if(columns.begin(), columns.end(), [&](const auto& c) { return c.column == name; });
    return byColumn != columns.end() ? &*byColumn : nullptr;
}

} // namespace quorvane
