#include "company/DemoMovement.h"
#include "company/ItalianWords.h"

namespace company::demo {

namespace {

// Every 250th line, at two fixed offsets, names a cost centre or an expense item that its chart lacks:
// the extraction's inner applies must drop those lines.
constexpr long orphanPeriod = 250;
constexpr long orphanCostCentre = 17, orphanExpenseItem = 131;

struct Competence {
    db::Value from, to;
};

// NULL for about a third of the lines; otherwise within the month of registration, across a few months, or
// across the turn of the year.
Competence drawCompetence(Prng& random, long day)
{
    db::DateTime d = dateOfDay(day);
    long draw = random.below(100);
    if (draw < 35)
        return {};
    if (draw < 65) {
        long from = dayOf(d.year(), d.month(), static_cast<int>(random.between(1, 10)));
        return {dateOfDay(from), dateOfDay(from + random.between(3, 17))};
    }
    if (draw < 90) {
        long from = dayOf(d.year(), d.month(), static_cast<int>(random.between(1, 28)));
        return {dateOfDay(from), dateOfDay(from + random.between(35, 150))};
    }
    long from = dayOf(d.year(), static_cast<int>(random.between(10, 12)), static_cast<int>(random.between(1, 28)));
    return {dateOfDay(from), dateOfDay(dayOf(d.year() + 1, static_cast<int>(random.between(1, 3)), 1) + random.below(28))};
}

std::string missingCode(const CompanyMasters& m)
{
    std::size_t length = 0;
    for (int size : m.profile->segmentSizes)
        length += static_cast<std::size_t>(size);
    return std::string(length, '9');
}

// A decimal with `decimals` places from a whole number of units and a fraction drawn at random.
db::Decimal drawDecimal(Prng& random, long lowUnits, long highUnits, int decimals)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return {random.between(lowUnits, highUnits) * scale + random.below(static_cast<long>(scale)), decimals};
}

// Amount in the currency's smallest unit: from quantity × unit cost when the line has a quantity.
std::int64_t drawAmount(Prng& random, const CompanyMasters& m, const db::Value& quantity, const db::Value& unitCost)
{
    std::int64_t amount;
    if (!quantity.isNull()) {
        double value = quantity.asDecimal().toDouble() * unitCost.asDecimal().toDouble();
        amount = db::Decimal::fromDouble(value, m.amountDecimals).mantissa;
    } else {
        amount = db::Decimal::fromDouble(static_cast<double>(random.between(1000, 2'000'000)) / 100.0, m.amountDecimals).mantissa;
    }
    if (m.amountDecimals == 0)
        amount *= 1000;   // a currency without decimals counts in much smaller units
    return random.percent(3) ? -amount : amount;
}

db::Value variantOf(Prng& random, const Article& article)
{
    if (!article.variants.empty() && random.percent(70))
        return random.pick(article.variants);
    return random.percent(50) ? db::Value("") : db::Value();   // both mean "no variant"
}

int lineSite(Prng& random, const CompanyMasters& m, const MovementHeader& h)
{
    if (m.profile->lineSiteSetting == 1 && random.percent(20))
        return static_cast<int>(random.pick(m.sites));
    return h.site;
}

} // namespace

const std::vector<std::string>& lineColumns()
{
    static const std::vector<std::string> columns = {
        "CI13_DITTA_CG18", "CI13_NUMREG_CO99", "CI13_PROGRIGA", "CI13_PROGRIGACP", "CI13_CODPDC_PC01", "CI13_CONTO_PC03",
        "CI13_CODVDS_PC01", "CI13_VDS_PC03", "CI13_RIGACONT_CG42", "CI13_SEGNO", "CI13_DESCRAGG", "CI13_DADATACOMP",
        "CI13_ADATACOMP", "CI13_CODICE_CGC0", "CI13_PROGETTO_PD68", "CI13_SPROGETTO_PD69", "CI13_COMMESSA_PD25",
        "CI13_SCOMMESSA_PD25", "CI13_DIPENDENTE_PD06", "CI13_QUALIFICA_PD04", "CI13_REPARTO_PD07", "CI13_NODO_PD0C",
        "CI13_NODORIF_PD0C", "CI13_ATTIVITA_PD0D", "CI13_SPESAGEN_PD59", "CI13_FASE_PD12", "CI13_MACCHINA_PD08",
        "CI13_DEP_MG58", "CI13_DEPCOL_MG58", "CI13_LOTTO", "CI13_LINEA_PD01", "CI13_NUMRIFPROD_PD44", "CI13_CODART_MG66",
        "CI13_OPZIONE_MG5E", "CI13_QTA", "CI13_COSTOUNIT", "CI13_IMPORTO", "CI13_QTALAV", "CI13_TOTORE",
        "CI13_COSTOORACDC", "CI13_COSTOORAVDS", "CI13_FLGMOVAGG", "CI13_FLGPRIMOVQTALAV", "CI13_PESO", "CI13_VOLUME",
        "CI13_INDMODRILEVAZIONE", "CI13_FLGREGSTORNO", "CI13_SEDE_CG31", "CI13_ENTITA1", "CI13_ENTITA2",
        "CI13_ENTITA3", "CI13_ENTITA4", "CI13_ENTITA5", "CI13_ENTITA6", "CI13_ENTITA7", "CI13_ENTITA8",
        "CI13_ENTITA9", "CI13_ENTITA10", "CI13_IDEPU_VC02", "CI13_IDATTREZ_VC02", "CI13_GUID"};
    return columns;
}

std::vector<db::Value> buildLine(Prng& random, const CompanyMasters& m, const MovementHeader& h, int line,
                                 long ordinal, std::int64_t& amount)
{
    const CompanyProfile& p = *m.profile;
    std::vector<db::Value> row;
    row.reserve(lineColumns().size());
    auto add = [&row](db::Value v) { row.push_back(std::move(v)); };

    add(p.company), add(h.number), add(line), add(nullable(random.percent(50), 0));
    add(p.costCentreChart);
    add(ordinal % orphanPeriod == orphanCostCentre ? missingCode(m) : random.pick(m.costCentres));
    add(p.expenseItemChart);
    add(ordinal % orphanPeriod == orphanExpenseItem ? missingCode(m) : random.pick(m.expenseItems));
    add(nullable(h.linkedToLedger, line));
    add(random.percent(92) ? 0 : 1);
    add(nullable(random.percent(25), random.pick(words::lineNotes)));
    Competence competence = drawCompetence(random, h.day);
    add(competence.from), add(competence.to);
    add(nullable(!m.intercompanyCodes.empty() && random.percent(30), m.intercompanyCodes.empty() ? std::string() : random.pick(m.intercompanyCodes)));

    bool withProject = random.percent(40);
    const Project& project = random.pick(m.projects);
    add(nullable(withProject, project.code));
    add(nullable(withProject && project.subprojects > 0 && random.percent(50), static_cast<int>(random.between(1, std::max(1, project.subprojects)))));
    bool withJobOrder = random.percent(35);
    const JobOrder& order = random.pick(m.jobOrders);
    add(nullable(withJobOrder, order.code));
    add(nullable(withJobOrder && order.subOrders > 0 && random.percent(50), static_cast<int>(random.between(1, std::max(1, order.subOrders)))));
    bool withEmployee = random.percent(25);
    const Employee& employee = random.pick(m.employees);
    add(nullable(withEmployee, employee.code));
    add(nullable(withEmployee && random.percent(90), employee.qualification));
    add(withEmployee ? db::Value(employee.department) : nullable(random.percent(10), random.pick(m.departments)));
    bool structured = withProject && !project.nodes.empty();
    add(nullable(structured && random.percent(50), structured ? random.pick(project.nodes) : std::string()));
    add(nullable(structured && random.percent(30), structured ? random.pick(project.nodes) : std::string()));
    add(nullable(structured && random.percent(40), structured ? random.pick(project.activities) : std::string()));
    add(nullable(structured && random.percent(25), structured ? random.pick(project.expenses) : std::string()));
    add(nullable(random.percent(15), random.pick(m.phases)));
    add(nullable(random.percent(15), random.pick(m.machines)));
    bool withWarehouse = h.origin == Warehouse || random.percent(20);
    add(nullable(withWarehouse, random.pick(m.warehouses)));
    add(nullable(withWarehouse && random.percent(10), random.pick(m.warehouses)));
    add(nullable(random.percent(10), numbered("LOT", random.below(100000), 6)));
    add(nullable(random.percent(15), random.pick(m.productionLines)));
    add(nullable(random.percent(10), static_cast<int>(random.between(1, 5000))));
    bool withArticle = random.percent(35);
    const Article& article = random.pick(m.articles);
    add(nullable(withArticle, article.code));
    add(withArticle ? variantOf(random, article) : db::Value());

    bool withQuantity = random.percent(60);
    db::Value quantity = nullable(withQuantity, drawDecimal(random, 1, 500, p.quantityDecimals));
    db::Value unitCost = nullable(withQuantity, drawDecimal(random, 1, 300, 4));
    amount = drawAmount(random, m, quantity, unitCost);
    add(quantity), add(unitCost), add(db::Decimal{amount, m.amountDecimals});
    db::Value hours = nullable(withEmployee, drawDecimal(random, 1, 40, 2));
    add(hours), add(hours);
    add(nullable(withEmployee, drawDecimal(random, 25, 60, 2))), add(nullable(withEmployee, drawDecimal(random, 25, 60, 2)));
    add(random.percent(3)), add(random.percent(5));
    add(nullable(random.percent(10), drawDecimal(random, 1, 900, 3))), add(nullable(random.percent(10), drawDecimal(random, 0, 20, 3)));
    add(random.percent(20) ? 1 : 0);
    add(random.percent(2));
    int site = lineSite(random, m, h);
    add(nullable(site != 0, site));
    for (const std::vector<std::string>& values : m.entityValues)
        add(nullable(random.percent(12), random.pick(values)));
    bool priceList = withProject && !project.priceListEntries.empty() && random.percent(40);
    add(nullable(priceList, priceList ? random.pick(project.priceListEntries) : 0));
    add(nullable(!m.equipment.empty() && random.percent(15), m.equipment.empty() ? 0 : random.pick(m.equipment)));
    add(guidText(random));
    return row;
}

} // namespace company::demo
