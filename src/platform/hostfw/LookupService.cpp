#include "hostfw/LookupService.h"

#include <QRegularExpression>

#include <array>

namespace hostfw {

namespace {

struct CodeList {
    const char* list;          // the caption of the rows that hold the list's codes (UTF-8)
    const char* from;          // the table, or tables, with their hints
    const char* code;
    const char* description;
    const char* company;       // the company column; "" for lists shared by the group
    const char* parent;        // the parent code bounding a dependent list; "" for none
    bool numericCode;
    const char* filter;        // a further fixed condition; "" for none
};

constexpr const char* clifor = "CG44_CLIFOR WITH (NOLOCK) INNER JOIN CG16_ANAGGEN WITH (NOLOCK) ON CG16_CODICE = CG44_CODICE_CG16";

constexpr std::array<CodeList, 30> lists{{
    {"Codice Intercompany", "CGC0_STRUTINFRAGRUPPO WITH (NOLOCK)", "CGC0_CODICE", "CGC0_DESCR", "", "", false, ""},
    {"Causale", "CI03_CAUSALI WITH (NOLOCK)", "CI03_CODICE", "CI03_DESCR", "CI03_DITTA_CG18", "", false, ""},
    {"C.d.C.", "PC03_ANAGPDC WITH (NOLOCK)", "PC03_CONTO", "PC03_DESCR", "PC03_DITTA_CG18", "", false, ""},
    {"V.d.S.", "PC03_ANAGPDC WITH (NOLOCK)", "PC03_CONTO", "PC03_DESCR", "PC03_DITTA_CG18", "", false, ""},
    {"V.d.S. - Natura", "PC04_NATURECOSTI WITH (NOLOCK)", "PC04_CODICE", "PC04_DESCR", "PC04_DITTA_CG18", "", true, ""},
    {"Codice cliente", clifor, "CG44_CLIFOR", "CG16_RAGSOANAG", "CG44_DITTA_CG18", "", true, "CG44_TIPOCF = 0"},
    {"Codice fornitore", clifor, "CG44_CLIFOR", "CG16_RAGSOANAG", "CG44_DITTA_CG18", "", true, "CG44_TIPOCF = 1"},
    {"Sez. doc.", "CG68_SEZIONIDOC WITH (NOLOCK)", "CG68_SEZDOC", "CG68_DESCSEZ", "CG68_DITTA_CG18", "", false, ""},
    {"Sede", "CG31_ANADITTASEDI WITH (NOLOCK)", "CG31_CODICE", "CG31_DESCR", "CG31_DITTA_CG18", "", true, ""},
    {"Conto contabile", "CG24_TABPDC WITH (NOLOCK)", "CG24_CONTO", "CG24_DESCR", "", "", false, ""},
    {"Articolo", "MG87_ARTDESC WITH (NOLOCK)", "MG87_CODART_MG66", "MG87_DESCART", "MG87_DITTA_CG18", "", false, ""},
    {"Deposito", "MG58_DEPOSITI WITH (NOLOCK)", "MG58_CODDEP", "MG58_DESCRDEP", "MG58_DITTA_CG18", "", false, ""},
    {"Commessa", "PD25_COMMESSA WITH (NOLOCK)", "PD25_CODCOMMESSA", "PD25_DESCR", "PD25_DITTA_CG18", "", false,
     "PD25_CODSOTCOMM = 0"},
    {"Sottocommessa", "PD25_COMMESSA WITH (NOLOCK)", "PD25_CODSOTCOMM", "PD25_DESCR", "PD25_DITTA_CG18",
     "PD25_CODCOMMESSA", true, "PD25_CODSOTCOMM <> 0"},
    {"Dipendente", "PD06_DIPENDENTI WITH (NOLOCK)", "PD06_CODDIP", "PD06_COGNOME", "PD06_DITTA_CG18", "", false, ""},
    {"Reparto", "PD07_REPARTI WITH (NOLOCK)", "PD07_CODREP", "PD07_DESCR", "PD07_DITTA_CG18", "", false, ""},
    {"Qualifica", "PD04_QUALIFICHE WITH (NOLOCK)", "PD04_CODQUAL", "PD04_DESCR", "PD04_DITTA_CG18", "", false, ""},
    {"Progetto", "PD68_PROGETTI WITH (NOLOCK)", "PD68_CODPROG", "PD68_DESCRPROG", "PD68_DITTA_CG18", "", false, ""},
    {"Sottoprogetto", "PD69_SOTTOPROGETTI WITH (NOLOCK)", "PD69_SOTPROG", "PD69_DESCRSOTPROG", "PD69_DITTA_CG18",
     "PD69_CODPROG_PD68", true, ""},
    {"Tipo progetto", "PD1D_TIPIPROGETTO WITH (NOLOCK)", "PD1D_CODICE", "PD1D_DESCR", "PD1D_DITTA_CG18", "", false, ""},
    {"Stato progetto", "PD1E_STATIPROGETTO WITH (NOLOCK)", "PD1E_CODICE", "PD1E_DESCR", "PD1E_DITTA_CG18", "", false, ""},
    {"Classe A progetto", "PD1F_CLASSEAPROG WITH (NOLOCK)", "PD1F_CODICE", "PD1F_DESCR", "PD1F_DITTA_CG18", "", false, ""},
    {"Classe B progetto", "PD1G_CLASSEBPROG WITH (NOLOCK)", "PD1G_CODICE", "PD1G_DESCR", "PD1G_DITTA_CG18", "", false, ""},
    {"Classe C progetto", "PD1H_CLASSECPROG WITH (NOLOCK)", "PD1H_CODICE", "PD1H_DESCR", "PD1H_DITTA_CG18", "", false, ""},
    {"Nodo", "PD0C_NODI WITH (NOLOCK)", "PD0C_CODNODO", "PD0C_DESCR", "PD0C_DITTA_CG18", "PD0C_CODPROG_PD68", false, ""},
    {"Nodo riferimento", "PD0C_NODI WITH (NOLOCK)", "PD0C_CODNODO", "PD0C_DESCR", "PD0C_DITTA_CG18",
     "PD0C_CODPROG_PD68", false, ""},
    {"Attività progetto", "PD0D_ATTIVITAPROG WITH (NOLOCK)", "PD0D_CODATTIVITA", "PD0D_DESCR", "PD0D_DITTA_CG18",
     "PD0D_CODPROG_PD68", false, ""},
    {"Spese progetto", "PD64_SPESEPROGETTO WITH (NOLOCK)", "PD64_CODICESPESA", "PD64_DESCR", "PD64_DITTA_CG18",
     "PD64_CODPROG_PD68", false, ""},
    {"Codice articolo EPU", "VC02_ARTICOLIEPU WITH (NOLOCK)", "VC02_CODEPU", "VC02_DESCR", "VC02_DITTA_CG18",
     "VC02_CODPROG_PD68", false, "VC02_FLGATTREZZATURA = 0"},
    {"Codice attrezzatura", "VC02_ARTICOLIEPU WITH (NOLOCK)", "VC02_CODEPU", "VC02_DESCR", "VC02_DITTA_CG18",
     "VC02_CODPROG_PD68", false, "VC02_FLGATTREZZATURA = 1"},
}};

const CodeList* listOf(const QString& list)
{
    for (const CodeList& l : lists)
        if (list == QString::fromUtf8(l.list))
            return &l;
    return nullptr;
}

std::string quoted(const QString& text)
{
    QString literal = QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    return literal.toStdString();
}

bool isWholeNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,9}$"));
    return number.match(text).hasMatch();
}

// The conditions every read of the list shares: company, chart and level, fixed filter, parent range.
std::string listConditions(const CodeList& list, const controls::CodeRequest& request,
                                  const company::CompanySettings& settings)
{
    std::string where = " WHERE 1 = 1";
    if (*list.company)
        where += std::string(" AND ") + list.company + " = " + std::to_string(settings.company);
    if (*list.filter)
        where += std::string(" AND ") + list.filter;
    if (request.list == QLatin1String("C.d.C.") || request.list == QLatin1String("V.d.S.")) {
        int chart = request.list == QLatin1String("C.d.C.") ? settings.costCentreChart : settings.expenseItemChart;
        where += " AND PC03_CODICE_PC01 = " + std::to_string(chart);
        if (request.level > 0)
            where += " AND PC03_LIVELLO = " + std::to_string(request.level);
    }
    if (*list.parent && !request.parentFrom.isEmpty())
        where += std::string(" AND ") + list.parent + " >= " + quoted(request.parentFrom);
    if (*list.parent && !request.parentTo.isEmpty())
        where += std::string(" AND ") + list.parent + " <= " + quoted(request.parentTo);
    return where;
}

} // namespace

bool LookupService::knows(const controls::CodeRequest& request)
{
    return listOf(request.list) != nullptr;
}

std::optional<QString> LookupService::describe(const controls::CodeRequest& request, const QString& code) const
{
    const CodeList* list = listOf(request.list);
    if (!list || (list->numericCode && !isWholeNumber(code)))
        return std::nullopt;
    std::string literal = list->numericCode ? code.toStdString() : quoted(code);
    db::Recordset rows = connection_.Open(std::string("SELECT TOP 1 ") + list->description + " FROM " + list->from
                                          + listConditions(*list, request, settings_) + " AND " + list->code + " = "
                                          + literal + " ORDER BY " + list->description);
    if (rows.RecordCount() == 0)
        return std::nullopt;
    return QString::fromStdString(rows.valueAt(0, 0).toText());
}

std::vector<controls::CodeEntry> LookupService::entries(const controls::CodeRequest& request, const QString& filter,
                                                        int limit) const
{
    const CodeList* list = listOf(request.list);
    if (!list)
        return {};
    std::string where = listConditions(*list, request, settings_);
    if (!filter.isEmpty())
        where += std::string(" AND (") + list->code + " LIKE " + quoted(filter + "%") + " OR " + list->description
            + " LIKE " + quoted("%" + filter + "%") + ")";
    db::Recordset rows = connection_.Open("SELECT DISTINCT TOP " + std::to_string(limit) + " " + list->code + ", "
                                          + list->description + " FROM " + list->from + where + " ORDER BY "
                                          + list->code);
    std::vector<controls::CodeEntry> entries;
    for (long r = 0; r < rows.RecordCount(); ++r)
        entries.push_back({QString::fromStdString(rows.valueAt(r, 0).toText()),
                           QString::fromStdString(rows.valueAt(r, 1).toText())});
    return entries;
}

} // namespace hostfw
