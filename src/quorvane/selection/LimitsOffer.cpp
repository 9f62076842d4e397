#include "selection/LimitsOffer.h"

#include "selection/OfferSections.h"
#include "selection/QueryOfferBuilder.h"

#include <array>

namespace quorvane {

namespace {

using controls::ValueKind;

constexpr std::array<QueryRowSpec, 39> limitRows{{
    {"Codice Intercompany", "CI13_CODICE_CGC0", ValueKind::Text, true, 4, ""},
    {"Data doc.", "CI12_DATADOC", ValueKind::Date, false, 0, ""},
    {"Nr. doc.", "CI12_NUMDOC", ValueKind::Number, false, 7, "#"},
    {"Sez. doc.", "CI12_SEZDOC", ValueKind::Text, true, 2, ""},
    {"Causale", "CI12_CODCAUS_CI03", ValueKind::Text, true, 4, ""},
    {"Codice cliente", "CI12_CLIFOR_CG44", ValueKind::Number, true, 6, "#"},
    {"Codice fornitore", "CI12_CLIFOR_CG44", ValueKind::Number, true, 6, "#"},
    {"Nr. doc. orig.", "CI12_NUMDOCORIG", ValueKind::Text, false, 15, ""},
    {"Descr. causale", "CI12_DESCRCAUS", ValueKind::Text, false, 0, ""},
    {"Descr. agg. testata", "CI12_DESCRAGG", ValueKind::Text, false, 0, ""},
    {"C.d.C.", "CI13_CONTO_PC03", ValueKind::Code, true, 15, ""},
    {"V.d.S.", "CI13_VDS_PC03", ValueKind::Code, true, 15, ""},
    {"Descr. agg. corpo", "CI13_DESCRAGG", ValueKind::Text, false, 0, ""},
    {"Articolo", "CI13_CODART_MG66", ValueKind::Article, true, 0, ""},
    {"Variante", "CI13_OPZIONE_MG5E", ValueKind::Code, true, 15, ""},
    {"Deposito", "CI13_DEP_MG58", ValueKind::Text, true, 2, ""},
    {"Progetto", "CI13_PROGETTO_PD68", ValueKind::Text, true, 25, ""},
    {"Sottoprogetto", "CI13_SPROGETTO_PD69", ValueKind::Number, true, 4, "#"},
    {"Tipo progetto", "PD68_TIPO_PD1D", ValueKind::Text, true, 10, ""},
    {"Stato progetto", "PD68_STATO_PD1E", ValueKind::Text, true, 10, ""},
    {"Data chiusura progetto", "PD68_DATACHIUPROG", ValueKind::Date, false, 0, ""},
    {"Classe A progetto", "PD68_CLASSEA_PD1F", ValueKind::Text, true, 10, ""},
    {"Classe B progetto", "PD68_CLASSEB_PD1G", ValueKind::Text, true, 10, ""},
    {"Classe C progetto", "PD68_CLASSEC_PD1H", ValueKind::Text, true, 10, ""},
    {"Commessa", "CI13_COMMESSA_PD25", ValueKind::Text, true, 25, ""},
    {"Sottocommessa", "CI13_SCOMMESSA_PD25", ValueKind::Number, true, 4, "#"},
    {"Reparto", "CI13_REPARTO_PD07", ValueKind::Text, true, 5, ""},
    {"Dipendente", "CI13_DIPENDENTE_PD06", ValueKind::Text, true, 5, ""},
    {"Qualifica", "CI13_QUALIFICA_PD04", ValueKind::Text, true, 5, ""},
    {"Conto contabile", "CG42_CONTOPAR_CG24", ValueKind::LedgerAccount, true, 10, ""},
    {"Data inizio competenza", "CI13_DADATACOMP", ValueKind::Date, false, 10, ""},
    {"Data fine competenza", "CI13_ADATACOMP", ValueKind::Date, false, 10, ""},
    {"Sede", "CI12_SEDE_CG31", ValueKind::Number, true, 5, ""},
    {"Nodo", "CI13_NODO_PD0C", ValueKind::Text, true, 25, ""},
    {"Nodo riferimento", "CI13_NODORIF_PD0C", ValueKind::Text, true, 25, ""},
    {"Attività progetto", "CI13_ATTIVITA_PD0D", ValueKind::Text, true, 25, ""},
    {"Spese progetto", "CI13_SPESAGEN_PD59", ValueKind::Text, true, 25, ""},
    {"Codice articolo EPU", "VVC02_ARTICOLIEPU.VC02_CODEPU", ValueKind::Text, true, 40, ""},
    {"Codice attrezzatura", "VVC25_ATTREZZATURE.VC02_CODEPU", ValueKind::Text, true, 40, ""},
}};

constexpr std::array<FixedOfferRow, 40> fixedRows{{
    {"Codice Intercompany", true, true, WithIntercompany},
    {"Sede", true, false, WithSites},
    {"Causale", true, false, Always},
    {"Descr. causale", true, false, Always},
    {"Sez. doc.", true, false, Always},
    {"Data doc.", true, false, Always},
    {"Nr. doc.", true, false, Always},
    {"Nr. doc. orig.", true, false, Always},
    {"Codice cliente", true, false, Always},
    {"Codice fornitore", true, false, Always},
    {"Descr. agg. testata", true, false, Always},
    {"Conto contabile", true, false, Always},
    {"Descrizione conto contabile", true, false, Always},
    {"C.d.C.", false, true, Always},
    {"V.d.S.", false, true, Always},
    {"Conto contabile", false, true, Always},
    {"Descrizione conto contabile", false, true, Always},
    {"Data inizio competenza", false, true, Always},
    {"Data fine competenza", false, true, Always},
    {"Descr. agg. corpo", false, true, Always},
    {"Commessa", false, true, Always},
    {"Sottocommessa", false, true, Always},
    {"Progetto", false, true, Always},
    {"Sottoprogetto", false, true, Always},
    {"Tipo progetto", false, true, Always},
    {"Stato progetto", false, true, Always},
    {"Data chiusura progetto", false, true, LineSectionOnly},
    {"Classe A progetto", false, true, Always},
    {"Classe B progetto", false, true, Always},
    {"Classe C progetto", false, true, Always},
    {"Nodo", false, true, WithProjectNodes},
    {"Nodo riferimento", false, true, WithProjectNodes},
    {"Attività progetto", false, true, WithProjectNodes},
    {"Spese progetto", false, true, WithProjectNodes},
    {"Reparto", false, true, Always},
    {"Dipendente", false, true, Always},
    {"Qualifica", false, true, Always},
    {"Articolo", false, true, Always},
    {"Variante", false, true, Always},
    {"Deposito", false, true, Always},
}};

void addSection(QueryOfferBuilder& rows, const OfferSources& sources, OfferSection section, const QString& title)
{
    addOfferSection(rows, fixedRows, sources, section, title,
                    [&](std::string_view caption, bool flag) { rows.addRow(section, title, caption, flag); });
}

} // namespace

controls::QueryOffer ConfigurazioneAdvancedQuery(const OfferSources& sources)
{
    QueryOfferBuilder rows(limitRows, "InserisciRiga");   // the window's row-adding procedure
    addSection(rows, sources, HeaderSection, sources.messageText(headerSectionMessage));
    QString lineTitle = sources.messageText(lineSectionMessage);
    addSection(rows, sources, LineSection, lineTitle);
    // The unit-price-list rows join the section used last.
    if (sources.settings.qevIntegration) {
        rows.addRow(LineSection, lineTitle, "Codice articolo EPU", false);
        rows.addRow(LineSection, lineTitle, "Codice attrezzatura", false);
    }
    return rows.take();
}

} // namespace quorvane
