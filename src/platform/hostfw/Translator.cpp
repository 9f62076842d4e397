#include "Translator.h"

#include "Catalogue.h"

#include <QHash>

namespace hostfw {
namespace {

// Captions of the ordering and limit grids, Italian to English.
const QHash<QString, QString>& phraseBook()
{
    static const QHash<QString, QString> book{
        {QStringLiteral("Codice Intercompany"), QStringLiteral("Intercompany code")},
        {QStringLiteral("Sede"), QStringLiteral("Site")},
        {QStringLiteral("Causale"), QStringLiteral("Reason")},
        {QStringLiteral("Descr. causale"), QStringLiteral("Reason descr.")},
        {QStringLiteral("Sez. doc."), QStringLiteral("Doc. section")},
        {QStringLiteral("Data reg."), QStringLiteral("Reg. date")},
        {QStringLiteral("Data doc."), QStringLiteral("Doc. date")},
        {QStringLiteral("Tipo movimento"), QStringLiteral("Movement type")},
        {QStringLiteral("Nr. doc."), QStringLiteral("Doc. no.")},
        {QStringLiteral("Nr. doc. orig."), QStringLiteral("Orig. doc. no.")},
        {QStringLiteral("Codice cliente"), QStringLiteral("Customer code")},
        {QStringLiteral("Codice fornitore"), QStringLiteral("Supplier code")},
        {QStringLiteral("Descr. agg. testata"), QStringLiteral("Header add. descr.")},
        {QStringLiteral("C.d.C."), QStringLiteral("Cost centre")},
        {QStringLiteral("V.d.S."), QStringLiteral("Expense item")},
        {QStringLiteral("Natura costo"), QStringLiteral("Cost nature")},
        {QStringLiteral("C/contabile"), QStringLiteral("G/L account")},
        {QStringLiteral("Descr. c/contabile"), QStringLiteral("G/L account descr.")},
        {QStringLiteral("Descr. agg. corpo"), QStringLiteral("Line add. descr.")},
        {QStringLiteral("Commessa"), QStringLiteral("Job order")},
        {QStringLiteral("Sottocommessa"), QStringLiteral("Sub-order")},
        {QStringLiteral("Progetto"), QStringLiteral("Project")},
        {QStringLiteral("Sottoprogetto"), QStringLiteral("Sub-project")},
        {QStringLiteral("Tipo progetto"), QStringLiteral("Project type")},
        {QStringLiteral("Stato progetto"), QStringLiteral("Project status")},
        {QStringLiteral("Classe A progetto"), QStringLiteral("Project class A")},
        {QStringLiteral("Classe B progetto"), QStringLiteral("Project class B")},
        {QStringLiteral("Classe C progetto"), QStringLiteral("Project class C")},
        {QStringLiteral("Nodo"), QStringLiteral("Node")},
        {QStringLiteral("Nodo riferimento"), QStringLiteral("Reference node")},
        {QStringLiteral("Attività progetto"), QStringLiteral("Project activity")},
        {QStringLiteral("Spesa progetto"), QStringLiteral("Project expense")},
        {QStringLiteral("Reparto"), QStringLiteral("Department")},
        {QStringLiteral("Dipendente"), QStringLiteral("Employee")},
        {QStringLiteral("Qualifica"), QStringLiteral("Qualification")},
        {QStringLiteral("Articolo"), QStringLiteral("Article")},
        {QStringLiteral("Variante"), QStringLiteral("Variant")},
        {QStringLiteral("Deposito"), QStringLiteral("Warehouse")},
    };
    return book;
}

} // namespace

QString Translator::text(int number) const
{
    return Catalogue::text(number, language_);
}

QString Translator::phrase(const QString& italian) const
{
    if (language_ == Language::Italian)
        return italian;
    return phraseBook().value(italian, italian);
}

} // namespace hostfw
