#include "Catalogue.h"

#include <algorithm>
#include <array>

namespace hostfw {
namespace {

// Kept sorted by number: lookups use a binary search.
constexpr std::array catalogue{
    CatalogueEntry{6029, "Le righe di descrizione non possono essere livelli di raggruppamento: togliere il "
                         "raggruppamento dalla riga.",
                   "A description row cannot be a grouping level: clear the row's grouping mark."},
    CatalogueEntry{7984, "Non si possono definire più di 10 livelli di raggruppamento.",
                   "No more than 10 grouping levels can be defined."},
    // The suffix of a repeated ("bis") document number.
    CatalogueEntry{8826, "bis", "bis"},
    CatalogueEntry{9638, "Valore obbligatorio mancante o non valido.", "A required value is missing or not valid."},
    CatalogueEntry{11180, "Cliente", "Customer"},
    CatalogueEntry{16506, "Costi", "Costs"},
    CatalogueEntry{25017, "Entrate", "Inflows"},
    CatalogueEntry{27554, "Fornitore", "Supplier"},
    CatalogueEntry{30179, "Non è possibile cambiare ditta mentre il partitario è aperto.",
                   "The company cannot be changed while the ledger inquiry is open."},
    CatalogueEntry{35169, "Il movimento non esiste più: potrebbe essere stato cancellato dopo l'elaborazione.",
                   "The movement no longer exists: it may have been deleted after the processing."},
    // The summary panel's words: 38984 no limit, 36651 exact value, 37421 from, 58966 to, 76372 range.
    CatalogueEntry{36651, "Uguale a", "Equal to"},
    CatalogueEntry{37421, "Da", "From"},
    CatalogueEntry{38529, "Doppio clic o \"Modifica\" per aprire il movimento selezionato.",
                   "Double-click or \"Open\" to open the selected movement."},
    CatalogueEntry{38984, "Nessun limite", "No limit"},
    CatalogueEntry{39037, "Nessun movimento corrisponde ai limiti di selezione.",
                   "No movement matches the selection limits."},
    CatalogueEntry{43650, "Il livello di raggruppamento richiede un livello superiore (progetto o commessa) "
                          "che lo preceda.",
                   "The grouping level needs its parent level (project or job order) before it."},
    CatalogueEntry{43681, "La sottocommessa richiede un raggruppamento per commessa che la preceda.",
                   "The sub-order needs a grouping by job order before it."},
    CatalogueEntry{45614, "Funzione non disponibile nel partitario di contabilità analitica.",
                   "This function is not available in the cost-accounting ledger."},
    CatalogueEntry{48924, "Ricavi", "Revenues"},
    CatalogueEntry{51677, "Selezione avanzata dei conti", "Advanced account selection"},
    CatalogueEntry{58966, "A", "To"},
    CatalogueEntry{59387, "Uscite", "Outflows"},
    CatalogueEntry{64809, "I dati dei progetti sono esclusi: non si può ordinare per progetto, dati del progetto, "
                          "dipendente, qualifica, reparto, nodo, attività o spesa di progetto.",
                   "Project data are excluded: the movements cannot be ordered by project, its data, employee, "
                   "qualification, department, node, activity or project expense."},
    CatalogueEntry{64810, "Le commesse sono escluse: non si può ordinare per commessa o sottocommessa.",
                   "Job orders are excluded: the movements cannot be ordered by job order or sub-order."},
    CatalogueEntry{64811, "I versamenti tempi sono esclusi: non si può ordinare per dipendente, qualifica, reparto, "
                          "nodo di riferimento o attività.",
                   "Time bookings are excluded: the movements cannot be ordered by employee, qualification, "
                   "department, reference node or activity."},
    CatalogueEntry{69054, "L'esportazione non è disponibile mentre il partitario è in uso.",
                   "Export is not available while the ledger inquiry is in use."},
    CatalogueEntry{71671, "Creazione dei gruppi in corso...", "Building the groups..."},
    CatalogueEntry{71672, "Estrazione dei movimenti in corso...", "Extracting the movements..."},
    CatalogueEntry{71673, "Lettura dei movimenti...", "Reading the movements..."},
    CatalogueEntry{71674, "Calcolo dei totali...", "Computing the totals..."},
    CatalogueEntry{71675, "Preparazione della visualizzazione...", "Preparing the display..."},
    CatalogueEntry{76372, "Compreso tra", "Between"},
    CatalogueEntry{77311, "La contabilità analitica di tipo finanziario richiede l'integrazione QEV attiva.",
                   "Financial cost accounting needs the QEV integration to be active."},
    // The caption of an empty group value.
    CatalogueEntry{78233, "(nessun valore)", "(no value)"},
    CatalogueEntry{86946, "Testata movimento", "Movement header"},
    CatalogueEntry{86958, "Righe movimento", "Movement lines"},
    CatalogueEntry{90479, "Conti e voci di spesa", "Accounts and expense items"},
    // The group tree's totals columns and the comparison with another period or the budget.
    CatalogueEntry{91601, "Gruppo", "Group"},
    CatalogueEntry{91602, "Saldo", "Balance"},
    CatalogueEntry{91603, "Quantità", "Quantity"},
    CatalogueEntry{91604, "Righe", "Lines"},
    CatalogueEntry{91605, "Confronto", "Comparison"},
    CatalogueEntry{91606, "Scostamento", "Variance"},
    CatalogueEntry{91607, "Scost. %", "Variance %"},
    CatalogueEntry{91608, "Confronta con", "Compare with"},
    CatalogueEntry{91609, "Nessun confronto", "No comparison"},
    CatalogueEntry{91610, "Stesso periodo dell'anno precedente", "Same period a year earlier"},
    CatalogueEntry{91611, "Periodo precedente di pari durata", "Previous period of the same length"},
    CatalogueEntry{91612, "Preventivo (budget)", "Budget"},
    CatalogueEntry{91613, "Saldo progressivo", "Running balance"},
};

const CatalogueEntry* find(int number)
{
    const auto it = std::lower_bound(catalogue.begin(), catalogue.end(), number,
                                     [](const CatalogueEntry& e, int n) { return e.number < n; });
    return it != catalogue.end() && it->number == number ? &*it : nullptr;
}

} // namespace

std::span<const CatalogueEntry> Catalogue::entries()
{
    return catalogue;
}

bool Catalogue::contains(int number)
{
    return find(number) != nullptr;
}

QString Catalogue::text(int number, Language language)
{
    const CatalogueEntry* entry = find(number);
    if (!entry)
        return QStringLiteral("[%1]").arg(number);
    return QString::fromUtf8(language == Language::English ? entry->english : entry->italian);
}

} // namespace hostfw
