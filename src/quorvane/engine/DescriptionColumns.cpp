#include "engine/DescriptionColumns.h"

#include <utility>

namespace quorvane {
namespace {

constexpr std::pair<const char*, const char*> descriptions[] = {
    {"CI13_CODICE_CGC0", "DES_INTERCOMPANY"},
    {"CI12_CODCAUS_CI03", "DESCRANAGRAFICACAUSALE"},
    {"CI12_SEZDOC", "DESCRSEZDOC"},
    {"CLIENTE", "DESCRCLIENTE"},
    {"FORNITORE", "DESCRFORNITORE"},
    {"CLIFOR", "DESCRCLIFOR"},
    {"CI13_CONTO_PC03", "DESCRCONTO"},
    {"CI13_VDS_PC03", "DESCRVDS"},
    {"CI13_CODART_MG66", "DESCRARTICOLO"},
    {"CI13_OPZIONE_MG5E", "DESCRVARIANTE"},
    {"CI13_DEP_MG58", "DESCRDEPOSITO"},
    {"CI13_DEPCOL_MG58", "DESCRDEPOSITOCOLL"},
    {"CI13_PROGETTO_PD68", "DESCRPROGETTO"},
    {"CI13_SPROGETTO_PD69", "DESCRSPROGETTO"},
    {"CI13_COMMESSA_PD25", "DESCRCOMMESSA"},
    {"CI13_SCOMMESSA_PD25", "DESCRSCOMMESSA"},
    {"CI13_REPARTO_PD07", "DESCRREPARTO"},
    {"CI13_DIPENDENTE_PD06", "NOMEDIPENDENTE"},
    {"CI13_QUALIFICA_PD04", "DESCRQUALIFICA"},
    {"CI13_LINEA_PD01", "DESCRLINEA"},
    {"CG42_CONTOPAR_CG24", "DESCRCONTOCOGE"},
    {"CI12_SEDE_CG31", "DESCRSEDE"},
    {"PD68_TIPO_PD1D", "PD1D_DESCR"},
    {"PD68_STATO_PD1E", "PD1E_DESCR"},
    {"PD68_CLASSEA_PD1F", "PD1F_DESCR"},
    {"PD68_CLASSEB_PD1G", "PD1G_DESCR"},
    {"PD68_CLASSEC_PD1H", "PD1H_DESCR"},
    {"CI13_NODO_PD0C", "DESCRNODO"},
    {"CI13_NODORIF_PD0C", "DESCRNODORIF"},
    {"CI13_ATTIVITA_PD0D", "DESCRATTIVITA"},
    {"CI13_SPESAGEN_PD59", "DESCRSPESA"},
    {"NATURA", "DESCRNATURA"},
    {"CI12_INDTIPOMOV", "DESCRTIPOMOV"},
};

} // namespace

std::string descriptionColumnOf(std::string_view column)
{
    for (const auto& [code, description] : descriptions)
        if (column == code)
            return description;
    return {};
}

} // namespace quorvane
