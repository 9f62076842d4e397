#include "engine/SelectList.h"

#include "engine/CompetenceDays.h"
#include "engine/PeriodKeys.h"

#include <initializer_list>

namespace quorvane {

namespace {

void items(StatementText& select, std::initializer_list<const char*> expressions)
{
    for (const char* expression : expressions)
        select.line(std::string("   , ") + expression);
}

// The header's columns as they are, on the lines the working table has always shown them.
void headerColumns(StatementText& select)
{
    select.line("   CI12_DITTA_CG18, CI12_NUMREG_CO99, CI12_DATAREG, CI12_CODCAUS_CI03, CI12_DESCRCAUS, CI12_DESCRAGG,");
    select.line("   CI12_TIPODOC, CI12_NUMDOC, CI12_SEZDOC, CI12_FLGDOCBIS, CI12_NUMDOCORIG, CI12_DATADOC, CI12_DITTACF_CG44,");
    select.line("   CI12_TIPOCF_CG44, CI12_CLIFOR_CG44, CI12_TOTDOCUMENTO, CI12_NREGPADRE_CO99, CI12_NREGFIGLIA_CO99,");
    select.line("   CI12_INDTIPOMOV, CI12_OPERATORE_MG01, CI12_DADATACOMP, CI12_ADATACOMP, CI12_PROGETTO_PD68,");
    select.line("   CI12_SPROGETTO_PD69, CI12_COMMESSA_PD25, CI12_SCOMMESSA_PD25, CI12_FASE_PD12, CI12_REPARTO_PD07,");
    select.line("   CI12_MACCHINA_PD08, CI12_DIPENDENTE_PD06, CI12_QUALIFICA_PD04, CI12_DEP_MG58, CI12_DEPCOL_MG58,");
    select.line("   CI12_LOTTO, CI12_LINEA_PD01, CI12_NUMRIFPROD_PD44, CI12_FLGMOVVAR, CI12_NUMREGORDLAV_CO99, CI12_PROGRIGAORDLAV_DO30,");
    select.line("   CI12_TIPOREGORDLAV, CI12_NUMREGRIF_CO99, CI12_DOCPROGETTO_CO99, CI12_INDPROVENIENZA, CI12_NUMREGPROVV_CO99");
}

void lineKeysAndAccounts(StatementText& select)
{
    items(select, {"CI13_DITTA_CG18", "CI13_NUMREG_CO99", "CI13_PROGRIGA", "CI13_PROGRIGACP", "CI13_VDS_PC03",
                   "CI13_RIGACONT_CG42", "CI13_CODVDS_PC01", "CI13_CODPDC_PC01", "CI13_CONTO_PC03", "CI13_SEGNO",
                   "CI13_DESCRAGG", "CI13_DADATACOMP", "CI13_ADATACOMP"});
}

// The project columns; the first ten end their line with a carriage return alone.
void projectColumns(StatementText& select, bool qevIntegration)
{
    for (const char* expression : {"CI13_PROGETTO_PD68", "CI13_SPROGETTO_PD69",
                                   "PD68_PROGETTI.PD68_DESCRPROG AS DESCRPROGETTO",
                                   "PD69_SOTTOPROGETTI.PD69_DESCRSOTPROG AS DESCRSPROGETTO", "PD68_TIPO_PD1D",
                                   "PD68_STATO_PD1E", "PD68_DATACHIUPROG", "PD68_CLASSEA_PD1F", "PD68_CLASSEB_PD1G",
                                   "PD68_CLASSEC_PD1H"})
        select.lineCr(std::string("   , ") + expression);
    items(select, {"PD1D_DESCR", "PD1E_DESCR", "PD1F_DESCR", "PD1G_DESCR", "PD1H_DESCR"});
    if (qevIntegration)
        items(select, {"VVC02_ARTICOLIEPU.VC02_CODEPU AS CODICE_EPU", "VVC02_ARTICOLIEPU.VC02_DESCR AS DESCR_EPU",
                       "VVC25_ATTREZZATURE.VC02_CODEPU AS CODICE_ATTREZZATURA",
                       "VVC25_ATTREZZATURE.VC02_DESCR AS DESCR_ATTREZZATURA"});
}

void jobOrderColumns(StatementText& select)
{
    items(select, {"CI13_COMMESSA_PD25", "CI13_SCOMMESSA_PD25", "COMMESSA.PD25_DESCR AS DESCRCOMMESSA",
                   "SCOMMESSA.PD25_DESCR AS DESCRSCOMMESSA"});
}

void timeBookingColumns(StatementText& select)
{
    items(select, {"CI13_DIPENDENTE_PD06", "CI13_QUALIFICA_PD04", "CI13_REPARTO_PD07", "CI13_NODORIF_PD0C",
                   "CI13_ATTIVITA_PD0D",
                   "ISNULL(PD06_DIPENDENTI.PD06_COGNOME,'') + ' ' + ISNULL(PD06_DIPENDENTI.PD06_NOME,'') AS NOMEDIPENDENTE",
                   "PD04_QUALIFICHE.PD04_DESCR AS DESCRQUALIFICA", "PD07_DESCR AS DESCRREPARTO",
                   "PD0C_NODORIF.PD0C_DESCR AS DESCRNODORIF", "PD0D_DESCR AS DESCRATTIVITA", "CI13_NODO_PD0C",
                   "CI13_SPESAGEN_PD59", "PD0C_NODO.PD0C_DESCR AS DESCRNODO", "PD64_DESCR AS DESCRSPESA"});
}

void lineDetailColumns(StatementText& select)
{
    items(select, {"CI13_FASE_PD12", "CI13_MACCHINA_PD08", "CI13_DEP_MG58", "CI13_LOTTO", "CI13_LINEA_PD01",
                   "CI13_NUMRIFPROD_PD44", "CI13_CODART_MG66",
                   // An empty variant code is no variant.
                   "(CASE WHEN CI13_OPZIONE_MG5E = '' THEN NULL ELSE CI13_OPZIONE_MG5E END) AS CI13_OPZIONE_MG5E",
                   "CI13_QTA", "CI13_COSTOUNIT", "CI13_IMPORTO", "CI13_QTALAV", "CI13_TOTORE", "CI13_COSTOORACDC",
                   "CI13_COSTOORAVDS", "CI13_FLGMOVAGG", "CI13_FLGPRIMOVQTALAV", "CI13_PESO", "CI13_VOLUME",
                   "CI13_INDMODRILEVAZIONE", "CI13_FLGREGSTORNO", "CI13_SEDE_CG31 AS CI12_SEDE_CG31"});
}

// "Cliente : 123" or "Fornitore : 45": the translated word, quoted as a constant, and the account number.
void customerSupplierCase(StatementText& select, const EngineSettings& settings, const char* ending)
{
    select.line("     ,(CASE ISNULL(CI12_TIPOCF_CG44, -1)");
    select.line("           WHEN 0 THEN '" + quoteEscaped(settings.customerWord)
                + " : ' + CAST(CI12_CLIFOR_CG44 AS NVARCHAR) ");
    select.line("           WHEN 1 THEN '" + quoteEscaped(settings.supplierWord)
                + " : ' + CAST(CI12_CLIFOR_CG44 AS NVARCHAR) ");
    select.line("           ELSE NULL");
    select.line(ending);
}

void customerSupplierColumns(StatementText& select, const EngineSettings& settings)
{
    items(select, {"CASE WHEN ISNULL(CI12_TIPOCF_CG44, -1) = 0 THEN CI12_CLIFOR_CG44 ELSE NULL END AS CLIENTE",
                   "CASE WHEN ISNULL(CI12_TIPOCF_CG44, -1) = 1 THEN CI12_CLIFOR_CG44 ELSE NULL END AS FORNITORE"});
    customerSupplierCase(select, settings, "      END) AS CLIFOR");
}

void documentNumberColumn(StatementText& select, const EngineSettings& settings)
{
    select.line("   , CAST(ISNULL(CI12_NUMDOC, '') AS NVARCHAR(7)) + '/' + CI12_SEZDOC + CASE CI12_FLGDOCBIS WHEN 1 THEN '"
                + quoteEscaped(settings.documentRepeatSuffix) + "' ELSE '' END AS NUMSEZDOC");
}

void descriptionColumns(StatementText& select, const EngineSettings& settings)
{
    items(select, {"CG68_NUMERDESC.CG68_DESCSEZ AS DESCRSEZDOC", "CGT0_DESCRMEDIA AS DESCRTIPOMOV",
                   "(CASE WHEN CI12_TIPOCF_CG44 = 0 THEN ANAGCLIENTE.CG16_RAGSOANAG ELSE '' END) AS DESCRCLIENTE",
                   "(CASE WHEN CI12_TIPOCF_CG44 = 1 THEN ANAGFORNITORE.CG16_RAGSOANAG ELSE '' END) AS DESCRFORNITORE",
                   "ANAGCLIFOR.CG16_RAGSOANAG AS DESCRCLIFOR"});
    customerSupplierCase(select, settings, "      END) + ' ' + ANAGCLIFOR.CG16_RAGSOANAG AS DESCRCLIFORLAYOUT");
    items(select, {"CONTO.PC03_DESCR AS DESCRCONTO", "VDS.PC03_DESCR AS DESCRVDS", "VDS.PC03_NATURA_PC04 AS NATURA",
                   "PC04_VDS.PC04_DESCR AS DESCRNATURA", "CI03_CAUSALI.CI03_DESCR AS DESCRANAGRAFICACAUSALE",
                   "MG58_DEPOSITI.MG58_DESCRDEP AS DESCRDEPOSITO", "MG87_ARTDESC.MG87_DESCART AS DESCRARTICOLO",
                   "MG87_VARDESC.MG87_DESCART AS DESCRVARIANTE",
                   "ISNULL(CG31_ANADITTASEDI.CG31_INDIRIZZO, '') + ' ' + ISNULL(CG31_ANADITTASEDI.CG31_CITTA, '') AS DESCRSEDE",
                   "PC04_VDS.PC04_INDCOSTORIC AS PC04_INDCOSTORIC_VDS",
                   "CI03_CAUSALI.CI03_INDOPERAZIONE AS INDOPERAZIONE"});
}

void attributeColumns(StatementText& select, const AttributeLists& attributes)
{
    for (const std::string* list : {&attributes.header, &attributes.line})
        if (!list->empty())
            select.line("      " + *list);
}

void generalLedgerColumns(StatementText& select)
{
    items(select, {"CG42_CONTOPAR_CG24", "CG42_GRUPPO_CG10", "ISNULL(CG24_DESCR,'')       AS DESCRCONTOCOGE"});
}

} // namespace

StatementText extractionSelectList(const ExtractionRequest& request, const std::optional<CompetencePeriod>& period,
                                   const AttributeLists& attributes)
{
    const SelectionParameters& selection = request.selection;
    const EngineSettings& settings = request.settings;
    const bool projects = selection.CHK_NO_PROGETTI == "0";
    StatementText select;
    select.line("SELECT");
    select.line("   IDENTITY( INT,1,1) AS ID,");
    headerColumns(select);
    if (settings.intercompany)
        items(select, {"CI13_CODICE_CGC0", "CGC0_DESCR        AS DES_INTERCOMPANY"});
    lineKeysAndAccounts(select);
    if (projects)
        projectColumns(select, settings.qevIntegration);
    if (selection.CHK_NO_COMMESSE == "0")
        jobOrderColumns(select);
    if (projects)
        timeBookingColumns(select);
    lineDetailColumns(select);
    customerSupplierColumns(select, settings);
    documentNumberColumn(select, settings);
    appendPeriodKeys(select, "CI12_DATAREG", "DATAREG");
    appendPeriodKeys(select, "CI12_DATADOC", "DATADOC");
    descriptionColumns(select, settings);
    if (period)
        appendCompetenceDays(select, *period, settings.defaultCompetenceDate);
    attributeColumns(select, attributes);
    generalLedgerColumns(select);
    return select;
}

} // namespace quorvane
