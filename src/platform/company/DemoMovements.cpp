#include "company/DemoMovement.h"

namespace company::demo {

namespace {

const std::vector<std::string> headerColumns = {
    "CI12_DITTA_CG18", "CI12_NUMREG_CO99", "CI12_DATAREG", "CI12_CODCAUS_CI03", "CI12_DESCRCAUS", "CI12_DESCRAGG",
    "CI12_TIPODOC", "CI12_NUMDOC", "CI12_SEZDOC", "CI12_FLGDOCBIS", "CI12_NUMDOCORIG", "CI12_DATADOC",
    "CI12_DITTACF_CG44", "CI12_TIPOCF_CG44", "CI12_CLIFOR_CG44", "CI12_TOTDOCUMENTO", "CI12_NREGPADRE_CO99",
    "CI12_NREGFIGLIA_CO99", "CI12_INDTIPOMOV", "CI12_OPERATORE_MG01", "CI12_DADATACOMP", "CI12_ADATACOMP",
    "CI12_PROGETTO_PD68", "CI12_SPROGETTO_PD69", "CI12_COMMESSA_PD25", "CI12_SCOMMESSA_PD25", "CI12_FASE_PD12",
    "CI12_REPARTO_PD07", "CI12_MACCHINA_PD08", "CI12_DIPENDENTE_PD06", "CI12_QUALIFICA_PD04", "CI12_DEP_MG58",
    "CI12_DEPCOL_MG58", "CI12_LOTTO", "CI12_LINEA_PD01", "CI12_NUMRIFPROD_PD44", "CI12_FLGMOVVAR",
    "CI12_NUMREGORDLAV_CO99", "CI12_PROGRIGAORDLAV_DO30", "CI12_TIPOREGORDLAV", "CI12_NUMREGRIF_CO99",
    "CI12_DOCPROGETTO_CO99", "CI12_INDPROVENIENZA", "CI12_NUMREGPROVV_CO99", "CI12_SEDE_CG31", "CI12_GUID"};

// Weights of the number of lines of a movement, 1 to 8 lines (about 3.6 on average).
const std::vector<int> lineCountWeights = {20, 20, 15, 15, 10, 8, 6, 6};
constexpr double averageLines = 3.6;

int drawLineCount(Prng& random)
{
    long draw = random.below(100);
    for (std::size_t i = 0; i < lineCountWeights.size(); ++i) {
        draw -= lineCountWeights[i];
        if (draw < 0)
            return static_cast<int>(i + 1);
    }
    return 1;
}

// Origins in proportion: by hand 30, imported 5, ledger 20 and 7, warehouse 15, sales 10, allocation 13.
int drawOrigin(Prng& random)
{
    static const std::vector<int> weights = {30, 5, 20, 7, 15, 10, 13};
    long draw = random.below(100);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        draw -= weights[i];
        if (draw < 0)
            return static_cast<int>(i);
    }
    return Manual;
}

const Causal* causalFor(Prng& random, const CompanyMasters& m, int origin)
{
    const auto byCode = [&](const char* code) {
        for (const Causal& c : m.actualCausals)
            if (c.code == code)
                return &c;
        return &m.actualCausals.front();
    };
    switch (origin) {
    case Ledger:
    case LedgerReconciled: return byCode("COGE");
    case Warehouse: return byCode("MAGZ");
    case SalesDocument: return byCode("DOCV");
    case Allocation: return byCode("RIBA");
    default: return byCode(random.percent(50) ? "CONS" : random.percent(60) ? "RICV" : "ORE");
    }
}

// Customer, supplier or neither, by where the movement came from.
void drawCustomerOrSupplier(Prng& random, const CompanyMasters& m, MovementHeader& h)
{
    int customerShare = 20, supplierShare = 30;
    if (h.origin == SalesDocument)
        customerShare = 100;
    else if (h.origin == Ledger || h.origin == LedgerReconciled)
        customerShare = 40, supplierShare = 45;
    else if (h.origin == Warehouse)
        customerShare = 0, supplierShare = 60;
    else if (h.origin == Allocation)
        customerShare = 0, supplierShare = 0;
    long draw = random.below(100);
    if (draw < customerShare) {
        h.customerOrSupplierKind = 0;
        h.customerOrSupplier = random.pick(m.customers);
    } else if (draw < customerShare + supplierShare) {
        h.customerOrSupplierKind = 1;
        h.customerOrSupplier = random.pick(m.suppliers);
    }
}

class MovementStream {
public:
    MovementStream(Prng& random, const CompanyMasters& masters, long lines)
        : random_(random), masters_(masters), lines_(lines),
          expectedHeaders_(std::max(1L, static_cast<long>(static_cast<double>(lines) / averageLines)))
    {
    }

    // The next movement's header, or none when every line is placed.
    bool next(MovementHeader& h)
    {
        if (placed_ >= lines_)
            return false;
        h = MovementHeader();
        h.day = firstDay() + std::min(calendarDays - 1, headers_ * calendarDays / expectedHeaders_);
        h.number = nextNumber(h.day);
        h.lineCount = static_cast<int>(std::min<long>(drawLineCount(random_), lines_ - placed_));
        h.showcase = sourceCase(headers_);
        bool budget = !h.showcase && random_.percent(12);
        if (h.showcase)
            h.origin = h.showcase->origin;
        else
            h.origin = budget ? (random_.percent(80) ? Manual : Imported) : drawOrigin(random_);
        h.causal = budget ? &random_.pick(masters_.budgetCausals) : causalFor(random_, masters_, h.origin);
        drawCustomerOrSupplier(random_, masters_, h);
        bool withoutDocument = h.origin == Allocation || (h.origin == Manual && random_.percent(25));
        h.documentDay = nullable(!withoutDocument, static_cast<std::int64_t>(h.day - random_.below(20)));
        if (!masters_.sites.empty())
            h.site = static_cast<int>(random_.pick(masters_.sites));
        bool linkable = h.showcase ? h.showcase->linked : random_.percent(85);
        h.linkedToLedger = linkable && (h.origin == Ledger || h.origin == LedgerReconciled);
        h.linkedToDocument = linkable && (h.origin == Warehouse || h.origin == SalesDocument);
        placed_ += h.lineCount;
        ++headers_;
        return true;
    }

    long placedBefore(const MovementHeader& h) const { return placed_ - h.lineCount; }

private:
    std::string nextNumber(long day)
    {
        int year = dateOfDay(day).year();
        if (year != year_)
            year_ = year, sequence_ = 0;
        return numbered(std::to_string(year), ++sequence_, 6);
    }

    Prng& random_;
    const CompanyMasters& masters_;
    long lines_, expectedHeaders_;
    long placed_ = 0, headers_ = 0;
    int year_ = 0;
    long sequence_ = 0;
};

int movementType(Prng& random, const MovementHeader& h)
{
    int year = dateOfDay(h.day).year();
    if (h.causal->operation == 1)
        return year >= 2023 && random.percent(30) ? 4 : 3;
    if (year == 2022 && random.percent(5))
        return 6;
    if (random.percent(1))
        return 5;
    return random.percent(88) ? 1 : 2;
}

std::vector<db::Value> headerRow(Prng& random, const CompanyMasters& m, const MovementHeader& h,
                                 std::int64_t total, const std::string& guid)
{
    const int company = m.profile->company;
    bool document = !h.documentDay.isNull();
    int documentType = h.origin == SalesDocument ? 1 : h.origin == Warehouse ? 3 : static_cast<int>(random.between(1, 4));
    std::string section = h.origin == SalesDocument ? "02" : h.customerOrSupplierKind == db::Value(1) ? "01" : "00";
    bool supplierDocument = document && h.customerOrSupplierKind == db::Value(1);
    db::DateTime registered = dateOfDay(h.day);
    bool competence = random.percent(20);
    bool project = random.percent(15), jobOrder = random.percent(15);
    const Project& p = random.pick(m.projects);
    const JobOrder& j = random.pick(m.jobOrders);
    return {company, h.number, registered, h.causal->code, h.causal->description,
            nullable(random.percent(30), "Rif. " + random.pick(m.sections) + "/" + std::to_string(registered.year())),
            nullable(document, documentType), nullable(document, static_cast<int>(random.between(1, 99999))), section,
            document && random.percent(4), nullable(supplierDocument, "FT " + std::to_string(random.between(1, 9999)) + "/" + std::to_string(registered.year())),
            document ? db::Value(dateOfDay(h.documentDay.asInt())) : db::Value(),
            nullable(!h.customerOrSupplier.isNull(), company), h.customerOrSupplierKind, h.customerOrSupplier,
            db::Decimal{total, m.amountDecimals}, db::Value(), db::Value(), movementType(random, h),
            nullable(random.percent(60), random.pick(m.operators)),
            nullable(competence, dateOfDay(dayOf(registered.year(), registered.month(), 1))),
            nullable(competence, dateOfDay(monthEnd(registered.year(), registered.month()))),
            nullable(project, p.code), nullable(project && p.subprojects > 0, 1), nullable(jobOrder, j.code),
            nullable(jobOrder && j.subOrders > 0, 1), nullable(random.percent(10), random.pick(m.phases)),
            nullable(random.percent(15), random.pick(m.departments)), nullable(random.percent(10), random.pick(m.machines)),
            db::Value(), db::Value(), nullable(h.origin == Warehouse, random.pick(m.warehouses)), db::Value(),
            nullable(random.percent(5), numbered("LOT", random.below(10000), 5)), nullable(random.percent(10), random.pick(m.productionLines)),
            nullable(random.percent(5), static_cast<int>(random.between(1, 5000))), random.percent(3), db::Value(),
            db::Value(), db::Value(), db::Value(), db::Value(), h.origin, db::Value(),
            nullable(h.site != 0, h.site), guid};
}

} // namespace

MovementTables::MovementTables(db::Connection& connection)
    : headers(connection, "CI12_MOVTESTATA", headerColumns),
      lines(connection, "CI13_MOVCORPO", lineColumns()),
      journalEntries(connection, "CG41_PRIMANOTA",
                     {"CG41_DITTA_CG18", "CG41_NUMREG", "CG41_CODICE_CG33", "CG41_DATAREG", "CG41_DESCR", "CG41_FLGSTPIVA"}),
      journalLines(connection, "CG42_MOVCONT",
                   {"CG42_DITTA_CG18", "CG42_NUMREG_CG41", "CG42_NUMRIGACONT", "CG42_GRUPPO_CG10", "CG42_CONTOPAR_CG24",
                    "CG42_TIPOCF_CG44", "CG42_CLIFORPAR_CG44", "CG42_SEGNO", "CG42_IMPORTO", "CG42_FLGSTPGIOR"}),
      documents(connection, "DO11_DOCTESTATA",
                {"DO11_DITTA_CG18", "DO11_NUMREG_CO99", "DO11_DOCUM_MG36", "DO11_NUMDOC", "DO11_DATADOC",
                 "DO11_TIPOCF_CG44", "DO11_CLIFOR_CG44"}),
      traces(connection, "CI5C_TRACCIARIB",
             {"CI5C_DITTA_CG18", "CI5C_NUMREGORI_CO99", "CI5C_PROGRIGAORI_CI13", "CI5C_NUMREGDES_CO99",
              "CI5C_PROGRIGADES_CI13", "CI5C_PERCENTUALE"}),
      attributes(connection, "CO5L_ATTRIBUTIDEN", attributeColumns()),
      documentLines(connection, "DO30_DOCCORPO",
                    {"DO30_DITTA_CG18", "DO30_NUMREG_CO99", "DO30_PROGRIGA", "DO30_CODART_MG66", "DO30_DEP_MG58",
                     "DO30_QTA", "DO30_PREZZO", "DO30_IMPORTO"})
{
}

void MovementTables::flush()
{
    for (TableWriter* table : {&headers, &lines, &journalEntries, &journalLines, &documents, &traces, &attributes,
                              &documentLines})
        table->flush();
}

void writeMovements(db::Connection& connection, Prng& random, const CompanyMasters& masters, long lines)
{
    MovementTables tables(connection);
    MovementLinks links(tables, masters);
    MovementStream stream(random, masters, lines);
    MovementHeader header;
    std::vector<std::int64_t> amounts;
    std::vector<std::string> lineGuids;
    while (stream.next(header)) {
        amounts.assign(static_cast<std::size_t>(header.lineCount), 0);
        lineGuids.clear();
        std::int64_t total = 0;
        for (int line = 1; line <= header.lineCount; ++line) {
            std::vector<db::Value> row = buildLine(random, masters, header, line,
                                                   stream.placedBefore(header) + line, amounts[static_cast<std::size_t>(line - 1)]);
            lineGuids.push_back(row.back().asText());
            total += amounts[static_cast<std::size_t>(line - 1)];
            tables.lines.add(std::move(row));
        }
        std::string guid = guidText(random);
        tables.headers.add(headerRow(random, masters, header, total, guid));
        links.write(random, header, guid, lineGuids, amounts);
    }
    tables.flush();
}

} // namespace company::demo
