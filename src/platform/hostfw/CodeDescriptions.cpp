#include "CodeDescriptions.h"

#include <span>

namespace hostfw {
namespace {

struct CodeWord {
    int code;
    const char* italian;
    const char* english;
};

constexpr CodeWord documentTypes[] = {
    {1, "Fattura", "Invoice"},
    {2, "Nota di credito", "Credit note"},
    {3, "Documento di trasporto", "Delivery note"},
    {4, "Ricevuta", "Receipt"},
    {5, "Documento interno", "Internal document"},
};

constexpr CodeWord origins[] = {
    {0, "Manuale", "Entered by hand"},
    {1, "Importazione", "Imported"},
    {2, "Prima nota", "Journal entry"},
    {3, "Prima nota IVA", "VAT journal entry"},
    {4, "Documento di magazzino", "Warehouse document"},
    {5, "Documento di vendita", "Sales document"},
    {6, "Ribaltamento", "Cost allocation"},
};

// The side a nature puts its lines on: 1 cost and 4 outflow are debits, the others credits.
constexpr CodeWord costRevenueKinds[] = {
    {0, "Rettifica", "Adjustment"},
    {1, "Costo", "Cost"},
    {2, "Ricavo", "Revenue"},
    {3, "Entrata", "Inflow"},
    {4, "Uscita", "Outflow"},
};

QString describe(std::span<const CodeWord> words, int code, Language language)
{
    for (const CodeWord& word : words) {
        if (word.code == code)
            return QString::fromUtf8(language == Language::English ? word.english : word.italian);
    }
    return QString::number(code);
}

} // namespace

QString documentTypeDescription(int documentType, Language language)
{
    return describe(documentTypes, documentType, language);
}

QString originDescription(int origin, Language language)
{
    return describe(origins, origin, language);
}

QString costRevenueKindDescription(int kind, Language language)
{
    return describe(costRevenueKinds, kind, language);
}

} // namespace hostfw
