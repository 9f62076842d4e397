// "Documenti di magazzino": the warehouse document registered under a cost-accounting movement's number.

#include "hostfw/SourcePrograms.h"

#include "hostfw/Phrases.h"
#include "hostfw/ProgramCells.h"
#include "hostfw/SqlLiteral.h"

#include <stdexcept>

namespace hostfw {

namespace {

constexpr const char* quantityCaption = "Quantità";
constexpr const char* priceCaption = "Prezzo";
constexpr const char* amountCaption = "Importo";
constexpr int priceDecimals = 4;

std::string documentCondition(const std::string& prefix, const SourceProgramArguments& arguments)
{
    return " WHERE " + prefix + "_DITTA_CG18 = " + std::to_string(arguments.company) + " AND " + prefix
           + "_NUMREG_CO99 = " + sqlQuoted(arguments.registrationNumber);
}

// The key comes without the blanks that pad it in the table. The server's comparison would ignore them, but
// an engine comparing texts as they are would not: the table's key is trimmed before it is compared.
std::string headerStatement(const SourceProgramArguments& arguments)
{
    return "SELECT DO11_DOCUM_MG36, DO11_NUMDOC, DO11_DATADOC, DO11_TIPOCF_CG44, DO11_CLIFOR_CG44, CG16_RAGSOANAG"
           " FROM DO11_DOCTESTATA WITH (NOLOCK)"
           " LEFT OUTER JOIN CG44_CLIFOR WITH (NOLOCK) ON CG44_DITTA_CG18 = DO11_DITTA_CG18"
           " AND CG44_TIPOCF = DO11_TIPOCF_CG44 AND CG44_CLIFOR = DO11_CLIFOR_CG44"
           " LEFT OUTER JOIN CG16_ANAGGEN WITH (NOLOCK) ON CG16_CODICE = CG44_CODICE_CG16"
           + documentCondition("DO11", arguments) + " AND RTRIM(DO11_DOCUM_MG36) = " + sqlQuoted(arguments.documentKey);
}

std::string linesStatement(const SourceProgramArguments& arguments)
{
    return "SELECT DO30_PROGRIGA, DO30_CODART_MG66, MG87_DESCART, DO30_DEP_MG58, MG58_DESCRDEP, DO30_QTA,"
           " DO30_PREZZO, DO30_IMPORTO"
           " FROM DO30_DOCCORPO WITH (NOLOCK)"
           " LEFT OUTER JOIN MG87_ARTDESC WITH (NOLOCK) ON MG87_DITTA_CG18 = DO30_DITTA_CG18"
           " AND MG87_CODART_MG66 = DO30_CODART_MG66 AND ISNULL(MG87_OPZIONE_MG5E, '') = ''"
           " AND ISNULL(MG87_LINGUA_MG52, '') = ''"
           " LEFT OUTER JOIN MG58_DEPOSITI WITH (NOLOCK) ON MG58_DITTA_CG18 = DO30_DITTA_CG18"
           " AND MG58_CODDEP = DO30_DEP_MG58"
           + documentCondition("DO30", arguments) + " ORDER BY DO30_PROGRIGA";
}

} // namespace

SourceProgramWindow* openDocumentProgram(const ProgramContext& context, const SourceProgramArguments& arguments)
{
    const db::Recordset header = context.connection.Open(headerStatement(arguments));
    if (!header.isOpen() || header.EOF_())
        throw std::runtime_error("No warehouse document " + arguments.documentKey.toStdString() + " is registered under "
                                 + arguments.registrationNumber.toStdString() + ".");
    const QString number = cellText(header.value("DO11_NUMDOC"));
    auto* window = new SourceProgramWindow(userText("Documenti di magazzino"),
                                           arguments.documentKey + QLatin1Char(' ') + number, arguments);
    window->addHeaderField(userText("Documento"), cellText(header.value("DO11_DOCUM_MG36")).trimmed());
    window->addHeaderField(userText("Numero"), number);
    window->addHeaderField(userText("Data"), dayText(header.value("DO11_DATADOC")));
    window->addHeaderField(userText("Cliente/fornitore"),
                           customerOrSupplierText(header.value("DO11_TIPOCF_CG44"), header.value("DO11_CLIFOR_CG44"),
                                                  header.value("CG16_RAGSOANAG")));
    window->addHeaderField(userText("Num. reg."), arguments.registrationNumber);
    window->setLineColumns({userText("Riga"), userText("Articolo"), userText("Descrizione"),
                            userText("Deposito"), userText(quantityCaption), userText(priceCaption), userText(amountCaption)},
                           {userText(quantityCaption), userText(priceCaption), userText(amountCaption)});
    db::Recordset lines = context.connection.Open(linesStatement(arguments));
    double quantity = 0, amount = 0;
    for (lines.MoveFirst(); !lines.EOF_(); lines.MoveNext()) {
        window->addLine({cellText(lines.value("DO30_PROGRIGA")), cellText(lines.value("DO30_CODART_MG66")),
                         cellText(lines.value("MG87_DESCART")),
                         cellText(lines.value("DO30_DEP_MG58")) + QStringLiteral(" - ") + cellText(lines.value("MG58_DESCRDEP")),
                         numberText(lines.value("DO30_QTA"), context.quantityDecimals),
                         numberText(lines.value("DO30_PREZZO"), priceDecimals),
                         numberText(lines.value("DO30_IMPORTO"), context.amountDecimals)});
        quantity += lines.value("DO30_QTA").toDouble();
        amount += lines.value("DO30_IMPORTO").toDouble();
    }
    window->addTotal(userText("Totale quantità"), numberText(quantity, context.quantityDecimals));
    window->addTotal(userText("Totale documento"), numberText(amount, context.amountDecimals));
    window->open(context.frame);
    return window;
}

} // namespace hostfw
