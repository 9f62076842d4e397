// "Movimenti di contabilità analitica": one cost-accounting movement as it was registered.

#include "hostfw/SourcePrograms.h"

#include "hostfw/CodeDescriptions.h"
#include "hostfw/Phrases.h"
#include "hostfw/ProgramCells.h"
#include "hostfw/SqlLiteral.h"

#include <stdexcept>

namespace hostfw {

namespace {

constexpr const char* amountCaption = "Importo";
constexpr const char* quantityCaption = "Quantità";

std::string movementCondition(const std::string& prefix, const SourceProgramArguments& arguments)
{
    return " WHERE " + prefix + "_DITTA_CG18 = " + std::to_string(arguments.company) + " AND " + prefix
           + "_NUMREG_CO99 = " + sqlQuoted(arguments.registrationNumber);
}

std::string headerStatement(const SourceProgramArguments& arguments)
{
    return "SELECT CI12_NUMREG_CO99, CI12_DATAREG, CI12_CODCAUS_CI03, CI12_DESCRCAUS, CI12_NUMDOC, CI12_SEZDOC,"
           " CI12_DATADOC, CI12_TIPOCF_CG44, CI12_CLIFOR_CG44, CG16_RAGSOANAG, CI12_INDPROVENIENZA, CI12_INDTIPOMOV,"
           " CI12_DESCRAGG"
           " FROM CI12_MOVTESTATA WITH (NOLOCK)"
           " LEFT OUTER JOIN CG44_CLIFOR WITH (NOLOCK) ON CG44_DITTA_CG18 = CI12_DITTA_CG18"
           " AND CG44_TIPOCF = CI12_TIPOCF_CG44 AND CG44_CLIFOR = CI12_CLIFOR_CG44"
           " LEFT OUTER JOIN CG16_ANAGGEN WITH (NOLOCK) ON CG16_CODICE = CG44_CODICE_CG16"
           + movementCondition("CI12", arguments);
}

std::string linesStatement(const SourceProgramArguments& arguments)
{
    return "SELECT CI13_PROGRIGA, CI13_CONTO_PC03, CONTO.PC03_DESCR AS DESCRCONTO, CI13_VDS_PC03,"
           " VDS.PC03_DESCR AS DESCRVDS, CI13_PROGETTO_PD68, CI13_COMMESSA_PD25, CI13_REPARTO_PD07,"
           " CI13_DIPENDENTE_PD06, CI13_CODART_MG66, CI13_DEP_MG58, CI13_DADATACOMP, CI13_ADATACOMP, CI13_SEGNO,"
           " CI13_IMPORTO, CI13_QTA"
           " FROM CI13_MOVCORPO WITH (NOLOCK)"
           " LEFT OUTER JOIN PC03_ANAGPDC AS CONTO WITH (NOLOCK) ON CONTO.PC03_DITTA_CG18 = CI13_DITTA_CG18"
           " AND CONTO.PC03_CODICE_PC01 = CI13_CODPDC_PC01 AND CONTO.PC03_CONTO = CI13_CONTO_PC03"
           " LEFT OUTER JOIN PC03_ANAGPDC AS VDS WITH (NOLOCK) ON VDS.PC03_DITTA_CG18 = CI13_DITTA_CG18"
           " AND VDS.PC03_CODICE_PC01 = CI13_CODVDS_PC01 AND VDS.PC03_CONTO = CI13_VDS_PC03"
           + movementCondition("CI13", arguments) + " ORDER BY CI13_PROGRIGA";
}

// The analytic dimensions a line carries, each after its short caption: "Prog. P01; Rep. R02".
QString dimensionsText(const db::Recordset& row)
{
    static const std::pair<const char*, const char*> dimensions[] = {
        {"Prog.", "CI13_PROGETTO_PD68"}, {"Comm.", "CI13_COMMESSA_PD25"}, {"Rep.", "CI13_REPARTO_PD07"},
        {"Dip.", "CI13_DIPENDENTE_PD06"}, {"Art.", "CI13_CODART_MG66"}, {"Dep.", "CI13_DEP_MG58"}};
    QStringList parts;
    for (const auto& [caption, column] : dimensions)
        if (const QString code = cellText(row.value(column)); !code.isEmpty())
            parts << QString::fromLatin1(caption) + QLatin1Char(' ') + code;
    return parts.join(QStringLiteral("; "));
}

QString competenceText(const db::Recordset& row)
{
    const QString from = dayText(row.value("CI13_DADATACOMP")), to = dayText(row.value("CI13_ADATACOMP"));
    return from.isEmpty() && to.isEmpty() ? QString() : from + QStringLiteral(" - ") + to;
}

QString documentText(const db::Recordset& header)
{
    if (header.value("CI12_NUMDOC").isNull())
        return {};
    return cellText(header.value("CI12_NUMDOC")) + QLatin1Char('/') + cellText(header.value("CI12_SEZDOC"))
           + userText(" del ") + dayText(header.value("CI12_DATADOC"));
}

void fillHeader(SourceProgramWindow& window, const db::Recordset& header)
{
    window.addHeaderField(userText("Num. reg."), cellText(header.value("CI12_NUMREG_CO99")));
    window.addHeaderField(userText("Data reg."), dayText(header.value("CI12_DATAREG")));
    window.addHeaderField(userText("Causale"), cellText(header.value("CI12_CODCAUS_CI03")) + QStringLiteral(" - ")
                                                         + cellText(header.value("CI12_DESCRCAUS")));
    window.addHeaderField(userText("Documento"), documentText(header));
    window.addHeaderField(userText("Cliente/fornitore"),
                          customerOrSupplierText(header.value("CI12_TIPOCF_CG44"), header.value("CI12_CLIFOR_CG44"),
                                                 header.value("CG16_RAGSOANAG")));
    const int origin = static_cast<int>(header.value("CI12_INDPROVENIENZA").toDouble());
    window.addHeaderField(userText("Provenienza"),
                          QString::number(origin) + QStringLiteral(" - ") + originDescription(origin, Language::Italian));
    window.addHeaderField(userText("Tipo movimento"), cellText(header.value("CI12_INDTIPOMOV")));
    window.addHeaderField(userText("Descrizione"), cellText(header.value("CI12_DESCRAGG")));
}

} // namespace

SourceProgramWindow* openMovementsProgram(const ProgramContext& context, const SourceProgramArguments& arguments)
{
    const db::Recordset header = context.connection.Open(headerStatement(arguments));
    if (!header.isOpen() || header.EOF_())
        throw std::runtime_error("The cost-accounting movement " + arguments.registrationNumber.toStdString()
                                 + " of company " + std::to_string(arguments.company) + " does not exist.");
    auto* window = new SourceProgramWindow(userText("Movimenti di contabilità analitica"),
                                           arguments.reason + QLatin1Char(' ') + arguments.registrationNumber,
                                           arguments);
    fillHeader(*window, header);
    window->setLineColumns({userText("Riga"), QStringLiteral("C.d.C."), userText("Descrizione C.d.C."),
                            QStringLiteral("V.d.S."), userText("Descrizione V.d.S."), userText("Dimensioni"),
                            userText("Competenza"), userText("Segno"), userText(amountCaption), userText(quantityCaption)},
                           {userText(amountCaption), userText(quantityCaption)});
    db::Recordset lines = context.connection.Open(linesStatement(arguments));
    double amount = 0, quantity = 0;
    for (lines.MoveFirst(); !lines.EOF_(); lines.MoveNext()) {
        window->addLine({cellText(lines.value("CI13_PROGRIGA")), cellText(lines.value("CI13_CONTO_PC03")),
                         cellText(lines.value("DESCRCONTO")), cellText(lines.value("CI13_VDS_PC03")),
                         cellText(lines.value("DESCRVDS")), dimensionsText(lines), competenceText(lines),
                         cellText(lines.value("CI13_SEGNO")),
                         numberText(lines.value("CI13_IMPORTO"), context.amountDecimals),
                         numberText(lines.value("CI13_QTA"), context.quantityDecimals)});
        amount += lines.value("CI13_IMPORTO").toDouble();
        quantity += lines.value("CI13_QTA").toDouble();
    }
    window->addTotal(userText("Totale importo"), numberText(amount, context.amountDecimals));
    window->addTotal(userText("Totale quantità"), numberText(quantity, context.quantityDecimals));
    window->open(context.frame);
    return window;
}

} // namespace hostfw
