#include "selection/OrderingOffer.h"

#include "selection/OfferSections.h"
#include "selection/SectionCounter.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

struct OrderColumn {
    std::string_view caption;   // UTF-8
    std::string_view column;
};

constexpr std::array<OrderColumn, 38> orderColumns{{
    {"Codice Intercompany", "CI13_CODICE_CGC0"},   {"Sede", "CI12_SEDE_CG31"},
    {"Causale", "CI12_CODCAUS_CI03"},              {"Descr. causale", "CI12_DESCRCAUS"},
    {"Sez. doc.", "CI12_SEZDOC"},                  {"Data reg.", "CI12_DATAREG"},
    {"Data doc.", "CI12_DATADOC"},                 {"Tipo movimento", "CI12_INDTIPOMOV"},
    {"Nr. doc.", "CI12_NUMDOC"},                   {"Nr. doc. orig.", "CI12_NUMDOCORIG"},
    {"Codice cliente", "CLIENTE"},                 {"Codice fornitore", "FORNITORE"},
    {"Descr. agg. testata", "CI12_DESCRAGG"},      {"C.d.C.", "CI13_CONTO_PC03"},
    {"V.d.S.", "CI13_VDS_PC03"},                   {"Natura costo", "NATURA"},
    {"C/contabile", "CG42_CONTOPAR_CG24"},         {"Descr. c/contabile", "DESCRCONTOCOGE"},
    {"Descr. agg. corpo", "CI13_DESCRAGG"},        {"Commessa", "CI13_COMMESSA_PD25"},
    {"Sottocommessa", "CI13_SCOMMESSA_PD25"},      {"Progetto", "CI13_PROGETTO_PD68"},
    {"Sottoprogetto", "CI13_SPROGETTO_PD69"},      {"Tipo progetto", "PD68_TIPO_PD1D"},
    {"Stato progetto", "PD68_STATO_PD1E"},         {"Classe A progetto", "PD68_CLASSEA_PD1F"},
    {"Classe B progetto", "PD68_CLASSEB_PD1G"},    {"Classe C progetto", "PD68_CLASSEC_PD1H"},
    {"Nodo", "CI13_NODO_PD0C"},                    {"Nodo riferimento", "CI13_NODORIF_PD0C"},
    {"Attività progetto", "CI13_ATTIVITA_PD0D"},   {"Spesa progetto", "CI13_SPESAGEN_PD59"},
    {"Reparto", "CI13_REPARTO_PD07"},              {"Dipendente", "CI13_DIPENDENTE_PD06"},
    {"Qualifica", "CI13_QUALIFICA_PD04"},          {"Articolo", "CI13_CODART_MG66"},
    {"Variante", "CI13_OPZIONE_MG5E"},             {"Deposito", "CI13_DEP_MG58"},
}};

// Free descriptions sort but make no sensible group.
bool groupable(std::string_view caption)
{
    return caption != "Descr. causale" && caption != "Descr. agg. testata" && caption != "Descr. agg. corpo"
        && caption != "Descr. c/contabile";
}

bool dateRow(std::string_view caption)
{
    return caption == "Data reg." || caption == "Data doc.";
}

constexpr std::array<FixedOfferRow, 38> fixedRows{{
    {"Codice Intercompany", true, true, WithIntercompany},
    {"Sede", true, true, WithSites},
    {"Causale", true, false, Always},
    {"Descr. causale", true, false, Always},
    {"Sez. doc.", true, false, Always},
    {"Data reg.", true, false, Always},
    {"Data doc.", true, false, Always},
    {"Tipo movimento", true, false, Always},
    {"Nr. doc.", true, false, Always},
    {"Nr. doc. orig.", true, false, Always},
    {"Codice cliente", true, false, Always},
    {"Codice fornitore", true, false, Always},
    {"Descr. agg. testata", true, false, Always},
    {"C.d.C.", false, true, Always},
    {"V.d.S.", false, true, Always},
    {"Natura costo", false, true, Always},
    {"C/contabile", true, true, Always},
    {"Descr. c/contabile", true, true, Always},
    {"Descr. agg. corpo", false, false, HeaderSectionOnly},
    {"Commessa", false, false, Always},
    {"Sottocommessa", false, false, Always},
    {"Progetto", false, false, Always},
    {"Sottoprogetto", false, false, Always},
    {"Tipo progetto", false, false, Always},
    {"Stato progetto", false, false, Always},
    {"Classe A progetto", false, false, Always},
    {"Classe B progetto", false, false, Always},
    {"Classe C progetto", false, false, Always},
    {"Nodo", false, false, WithProjectNodes},
    {"Nodo riferimento", false, false, WithProjectNodes},
    {"Attività progetto", false, false, WithProjectNodes},
    {"Spesa progetto", false, false, WithProjectNodes},
    {"Reparto", false, false, Always},
    {"Dipendente", false, false, Always},
    {"Qualifica", false, false, Always},
    {"Articolo", false, false, Always},
    {"Variante", false, false, Always},
    {"Deposito", false, false, Always},
}};

// The window's row-adding procedure and the grid's attribute-adding operation.
class OrderOfferBuilder {
public:
    void InserisciRigaOrdinamento(OfferSection section, const QString& title, std::string_view caption, bool flag)
    {
        qint16 position = counter_.next(title);
        std::string_view column = orderingColumnOf(caption);
        if (column.empty())
            return;
        rows_.push_back({section, title, fromUtf8(caption), fromUtf8(column), flag, position, groupable(caption),
                         dateRow(caption)});
    }

    void addAttributeRows(OfferSection section, const QString& title, bool flag, int entity, const char* prefix,
                          const controls::AttributeSource& attributes)
    {
        for (const controls::AttributeField& attribute : attributes.attributes(entity))
            rows_.push_back({section, title, attribute.description, QLatin1String(prefix) + QLatin1Char('.') + attribute.name, flag,
                             0, true, false});
    }

    controls::OrderOffer take() { return std::move(rows_); }

private:
    SectionCounter counter_{"InserisciRigaOrdinamento"};
    controls::OrderOffer rows_;
};

void addSection(OrderOfferBuilder& rows, const OfferSources& sources, OfferSection section, const QString& title)
{
    addOfferSection(rows, fixedRows, sources, section, title,
                    [&](std::string_view caption, bool flag) {
                        rows.InserisciRigaOrdinamento(section, title, caption, flag);
                    });
}

} // namespace

std::string_view orderingColumnOf(std::string_view caption)
{
    auto it = std::find_if(orderColumns.begin(), orderColumns.end(),
                           [&](const OrderColumn& c) { return c.caption == caption; });
    return it == orderColumns.end() ? std::string_view() : it->column;
}

controls::OrderOffer ConfigurazioneAdvancedOrder(const OfferSources& sources)
{
    OrderOfferBuilder rows;
    addSection(rows, sources, HeaderSection, sources.messageText(headerSectionMessage));
    addSection(rows, sources, LineSection, sources.messageText(lineSectionMessage));
    return rows.take();
}

} // namespace quorvane
