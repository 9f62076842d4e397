#include "print/LevelFormulas.h"

#include <QRegularExpression>
#include <QString>

#include <array>
#include <initializer_list>
#include <utility>

namespace quorvane::print {
namespace {

std::string joined(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// " ( ", the test, an empty text when it holds, the value otherwise, and the closing line.
std::string emptyOrValue(const std::string& test, const std::string& value, const std::string& closing = " ) ")
{
    return joined({" ( ", test, "         ( ", "             \"\"", "         ) ", "     Else ", "         ( ", value,
                   "         ) ", closing});
}

bool isOneOf(const std::string& column, std::initializer_list<const char*> columns)
{
    for (const char* c : columns)
        if (column == c)
            return true;
    return false;
}

bool sameCaption(const QString& caption, const char* known)
{
    return caption.compare(QString::fromUtf8(known), Qt::CaseInsensitive) == 0;
}

// The captions whose footer names the group by its description.
constexpr std::array<const char*, 30> describedCaptions{
    "Causale", "Codice cliente", "Codice fornitore", "Codice cliente/fornitore", "C.d.C.", "Commessa",
    "Sottocommessa", "Sez. doc.", "V.d.S.", "Natura costo", "Sede", "C/contabile", "Dipendente", "Reparto",
    "Qualifica", "Tipo movimento", "Progetto", "Sottoprogetto", "Tipo progetto", "Stato progetto",
    "Classe A progetto", "Classe B progetto", "Classe C progetto", "Deposito", "Articolo", "Variante", "Nodo",
    "Nodo riferimento", "Attività progetto", "Spesa progetto"};

// "E. 1 - …" to "E. 10 - …": the captions of the ten analytic entities.
bool isEntityCaption(const QString& caption)
{
    static const QRegularExpression entity(QStringLiteral(R"(^E\. ([1-9]|10) - )"),
                                           QRegularExpression::CaseInsensitiveOption);
    return entity.match(caption).hasMatch();
}

bool isDescribed(const QString& caption)
{
    for (const char* known : describedCaptions)
        if (sameCaption(caption, known))
            return true;
    return isEntityCaption(caption);
}

std::string customerOrSupplierDescription(const std::string& test, const std::string& opening)
{
    return joined({opening, test, "         ( ", "             {ANAGCLIFOR.CG16_RAGSOANAG} ", "         ) ",
                   "     Else ", "         ( ", "             \"\" ", "         ) ", " )"});
}

constexpr std::array<std::pair<const char*, const char*>, 27> descriptions{{
    {"Articolo", "{MG87_ARTDESC.MG87_DESCART}"},
    {"Causale", " {CI03_CAUSALI.CI03_DESCR} "},
    {"Commessa", " {COMMESSA.PD25_DESCR} "},
    {"C.d.C.", " {CONTO.PC03_DESCR} "},
    {"Deposito", "{MG58_DEPOSITI.MG58_DESCRDEP}"},
    {"Dipendente", "{PD06_DIPENDENTI.PD06_COGNOME}"},
    {"Variante", "{MG87_VARDESC.MG87_DESCART}"},
    {"Progetto", " {PD68_PROGETTI.PD68_DESCRPROG} "},
    {"Tipo progetto", " {VCI16_TIPIPROGETTO.PD1D_DESCR} "},
    {"Stato progetto", " {VCI21_STATOPROGETTO.PD1E_DESCR} "},
    {"Classe A progetto", " {VCI18_CLASSEA.PD1F_DESCR} "},
    {"Classe B progetto", " {VCI19_CLASSEB.PD1G_DESCR} "},
    {"Classe C progetto", " {VCI20_CLASSEC.PD1H_DESCR} "},
    {"Qualifica", " {PD04_QUALIFICHE.PD04_DESCR} "},
    {"Reparto", " {PD07_REPARTO.PD07_DESCR} "},
    {"Sottocommessa", " {SCOMMESSA.PD25_DESCR} "},
    {"Sez. doc.", " {CG68_NUMERDESC.CG68_DESCSEZ} "},
    {"Sottoprogetto", " {PD69_SOTTOPROGETTI.PD69_DESCRSOTPROG} "},
    {"V.d.S.", " {VDS.PC03_DESCR} "},
    {"Natura costo", " {PC04_VDS.PC04_DESCR} "},
    {"Sede", " {CG31_ANADITTASEDI.CG31_INDIRIZZO} & ' ' & {CG31_ANADITTASEDI.CG31_CITTA} "},
    {"C/contabile", " {@strDescrContoCoge} "},
    {"Nodo", " {PD0C_NODO.PD0C_DESCR} "},
    {"Nodo riferimento", " {PD0C_NODORIF.PD0C_DESCR} "},
    {"Attività progetto", " {PD0D_ATTIVITA.PD0D_DESCR} "},
    {"Spesa progetto", " {PD64_SPESEACCESSORIE.PD64_DESCR} "},
    {"Tipo movimento", " {CGT0_TIPOMOV.CGT0_DESCRMEDIA} "},
}};

} // namespace

std::optional<std::string> groupTextFormula(const std::string& column, const std::string& reference)
{
    const std::string& r = reference;
    if (column == "CG42_CONTOPAR_CG24")
        return emptyOrValue("     If TOTEXT({CG42_MOVCONT.CG42_CONTOPAR_CG24}) = '' Then ",
                            "             {@strContoCogeFormattato} ");
    if (column == "CLIENTE" || column == "FORNITORE") {
        const std::string code = column == "CLIENTE" ? "{@numCodiceCliente}" : "{@numCodiceFornitore}";
        return emptyOrValue("     If (" + code + " = -1) Then ", "             ToText(" + code + ", 0, \"\", \"\") ");
    }
    if (column == "CLIFOR")
        return emptyOrValue("     If ({@strCodiceCliFor} = \"\") Then ", "             ToText({@strCodiceCliFor}) ");
    if (column == "CI13_CONTO_PC03")
        return emptyOrValue("     If IsNull({CI13_MOVCORPO.CI13_CONTO_PC03}) Then ", "             {@strContoFormattato} ");
    if (column == "CI13_VDS_PC03")
        return emptyOrValue("     If IsNull({CI13_MOVCORPO.CI13_VDS_PC03}) Then ", "             {@strVDSFormattata} ", " )");
    if (isOneOf(column, {"CI12_NUMDOC", "CI13_SPROGETTO_PD69", "CI13_SCOMMESSA_PD25", "CI13_NUMRIFPROD_PD44", "NATURA",
                         "CI12_INDTIPOMOV"}))
        return emptyOrValue("     If IsNull(" + r + ") Then ", "             ToText(" + r + ", 0, \"\", \"\") ");
    if (isOneOf(column, {"CI13_DIPENDENTE_PD06", "CI13_QUALIFICA_PD04", "CI13_REPARTO_PD07", "CI13_DEP_MG58",
                         "CI13_CODART_MG66", "CI13_OPZIONE_MG5E", "CI13_NODO_PD0C", "CI13_NODORIF_PD0C",
                         "CI13_ATTIVITA_PD0D", "CI13_SPESAGEN_PD59"}))
        return emptyOrValue("     If IsNull(" + r + ") Then ", "             " + r + " ");
    return std::nullopt;
}

std::string captionFormula(const std::string& caption, const std::string& column, int level)
{
    const QString c = QString::fromStdString(caption);
    const std::string lower = c.toLower().toStdString();
    if (isDescribed(c))
        return joined({" ( ",
                       "     \"Tot. per " + lower + ": \" & \"\"\"\" & {@Decodifica" + std::to_string(level)
                           + "} & \"\"\"\" ",
                       " ) "});
    if (sameCaption(c, "Data doc.") || sameCaption(c, "Data reg."))
        return joined({" ( ",
                       "     \"Tot. per " + lower + ": \" & \"\" & DATE({CI12_MOVTESTATA." + column + "}) & \"\" ",
                       " ) "});
    return joined({" ( ", "     \"Tot. per " + lower + "\" ", " ) "});
}

std::optional<std::string> descriptionFormula(const std::string& caption)
{
    const QString c = QString::fromStdString(caption);
    if (sameCaption(c, "Codice cliente"))
        return customerOrSupplierDescription("     If ({@numCodiceCliente} <> -1) Then ", " ( ");
    if (sameCaption(c, "Codice fornitore"))
        return customerOrSupplierDescription("     If ({@numCodiceFornitore} <> -1) Then ", " (");
    if (sameCaption(c, "Codice cliente/fornitore"))
        return customerOrSupplierDescription("     If ({@strCodiceCliFor} <> \"\") Then ", " (");
    for (const auto& [known, formula] : descriptions)
        if (sameCaption(c, known))
            return std::string(formula);
    // The entities by the caption's first five characters: "E. 1 " to "E. 9 ", and "E. 10".
    if (isEntityCaption(c)) {
        const QString entity = c.left(5).mid(3).trimmed();
        return " {ENTITA" + entity.toStdString() + ".CI02_DESCR} ";
    }
    return std::nullopt;
}

std::string nullAwarePageBreak(const std::string& r)
{
    return joined({"booleanVar Valore; ", "If Not(PreviousIsNull(" + r + ")) and  Not(IsNull(" + r + " ))   Then ",
                   "   Valore := previous(" + r + ")<>" + r + "; ",
                   "If (PreviousIsNull(" + r + ")) and Not(IsNull(" + r + " ))   Then ", "   Valore := true; ",
                   "If Not(PreviousIsNull(" + r + ")) and (IsNull(" + r + " ))   Then ", "   Valore := true; ",
                   "If (PreviousIsNull(" + r + ")) and  (IsNull(" + r + " ))   Then ", "   Valore := false; ", "Valore "});
}

std::string periodPageBreak(int level)
{
    const std::string formula = "{@RAGGRUPPAMENTO" + std::to_string(level) + "}";
    return " previous(" + formula + ")<>" + formula + " ";
}

} // namespace quorvane::print
