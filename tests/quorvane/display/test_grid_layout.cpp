// The layout of the two movement grids: which columns a company's settings show and in which order, the
// widths without the general-ledger link, the attribute columns by type, the currency suffix added once,
// and the whole layout applied to a grid.

#include "DisplayFixture.h"

#include "display/AttributeGridColumns.h"
#include "display/CurrencySuffix.h"
#include "display/GridLayout.h"
#include "display/GridLayoutApplication.h"

#include <QtTest>

#include <algorithm>

using namespace quorvane::display;
using controls::ColumnAlignment;
using controls::ColumnKind;
using controls::DataGridColumn;

namespace {

GridLayoutSettings everyOption()
{
    GridLayoutSettings s;
    s.intercompany = true;
    s.siteSetting = 1;
    s.lineSiteSetting = 1;
    s.projectStructure = 1;
    s.qevIntegration = true;
    s.debitCaption = QStringLiteral("Costi");
    s.creditCaption = QStringLiteral("Ricavi");
    s.amountDecimals = 2;
    s.quantityDecimals = 3;
    s.amountFormat = QStringLiteral("###,###,###,##0.00");
    s.currencyText = QStringLiteral("EUR");
    return s;
}

GridLayoutSettings plainCompany()
{
    GridLayoutSettings s = everyOption();
    s.intercompany = false;
    s.siteSetting = 0;
    s.lineSiteSetting = 0;
    s.projectStructure = 2;
    s.qevIntegration = false;
    return s;
}

QStringList keysOf(const std::vector<DataGridColumn>& columns)
{
    QStringList keys;
    for (const DataGridColumn& c : columns)
        keys << c.key;
    return keys;
}

GridLayout layoutOf(const QString& grid, const GridLayoutSettings& settings)
{
    return grid == "movements" ? movementGridLayout(settings) : detailGridLayout(settings);
}

int widthOf(const GridLayout& layout, const QString& key)
{
    for (const auto& [column, twips] : layout.widths)
        if (column == key)
            return twips;
    const auto c = std::find_if(layout.columns.begin(), layout.columns.end(),
                                [&](const DataGridColumn& column) { return column.key == key; });
    return c == layout.columns.end() ? -1 : c->widthTwips;
}

} // namespace

class GridLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void theCompanysSettingsDecideTheColumns_data();
    void theCompanysSettingsDecideTheColumns();
    void withoutTheLedgerLinkTheCounterAccountDescriptionIsHidden();
    void attributeColumnsShowWhatTheAttributeHolds();
    void aLaidOutGridCarriesTheLayout();
};

void GridLayoutTest::theCompanysSettingsDecideTheColumns_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("movements, plain company")
        << "movements" << "plain"
        << QStringList{"CI13_CODICE_CGC0", "DES_INTERCOMPANY", "CI12_SEDE_CG31", "DESCRSEDE", "CI13_NODO_PD0C",
                       "DESCRNODO", "CI13_NODORIF_PD0C", "DESCRNODORIF", "CI13_ATTIVITA_PD0D", "DESCRATTIVITA",
                       "CI13_SPESAGEN_PD59", "DESCRSPESA", "CODICE_EPU", "DESCR_EPU", "CODICE_ATTREZZATURA",
                       "DESCR_ATTREZZATURA"};
    QTest::newRow("movements, sites of the lines only") << "movements" << "lineSitesOnly"
                                                        << QStringList{"CI12_SEDE_CG31", "DESCRSEDE"};
    QTest::newRow("detail, plain company") << "detail" << "plain"
                                           << QStringList{"CI13_CODICE_CGC0", "DES_INTERCOMPANY", "CI13_SEDE_CG31"};
    QTest::newRow("detail, sites on the header only") << "detail" << "headerSitesOnly" << QStringList{"CI13_SEDE_CG31"};
}

void GridLayoutTest::theCompanysSettingsDecideTheColumns()
{
    QFETCH(QString, grid);
    QFETCH(QString, company);
    QFETCH(QStringList, absent);
    GridLayoutSettings settings = company == "plain" ? plainCompany() : everyOption();
    if (company == "lineSitesOnly")
        settings.siteSetting = 0;
    if (company == "headerSitesOnly")
        settings.lineSiteSetting = 0;
    QStringList expected = keysOf(layoutOf(grid, everyOption()).columns);
    for (const QString& key : absent)
        QVERIFY2(expected.removeAll(key) == 1, qPrintable(key));
    QCOMPARE(keysOf(layoutOf(grid, settings).columns), expected);   // the remaining columns keep their order
}

// Without the link the counter-account description is hidden and its room goes to the columns beside.
void GridLayoutTest::withoutTheLedgerLinkTheCounterAccountDescriptionIsHidden()
{
    for (const QString grid : {"movements", "detail"}) {
        GridLayoutSettings unlinked = everyOption();
        unlinked.noLedgerLink = true;
        const GridLayout before = layoutOf(grid, everyOption());
        const GridLayout after = layoutOf(grid, unlinked);
        QCOMPARE(keysOf(after.columns), keysOf(before.columns));
        QVERIFY(widthOf(before, "DESCRCONTOCOGE") > 0);
        QCOMPARE(widthOf(after, "DESCRCONTOCOGE"), 0);
        int widened = 0;
        for (const DataGridColumn& c : after.columns)
            widened += widthOf(after, c.key) > widthOf(before, c.key) ? 1 : 0;
        QCOMPARE(widened, grid == "movements" ? 5 : 4);
    }
}

// The demo company with attributes defines a contract reference (text), a priority (number) and a
// delivery date: each is shown as what it holds.
void GridLayoutTest::attributeColumnsShowWhatTheAttributeHolds()
{
    const auto connection = db::Connection::open("Provider=SQLite;Data Source=" + displaytest::demoDatabase());
    GridLayoutSettings settings = plainCompany();
    const hostfw::AttributeDefinitions attributes = hostfw::AttributeDefinitions::read(*connection, 2);
    settings.headerAttributes = attributes.attributes(29);
    settings.lineAttributes = attributes.attributes(30);
    const GridLayout movements = movementGridLayout(settings);
    const auto column = [&](const char* key) {
        return *std::find_if(movements.columns.begin(), movements.columns.end(),
                             [&](const DataGridColumn& c) { return c.key == QLatin1String(key); });
    };
    QCOMPARE(column("RIFCONTRATTO").kind, ColumnKind::Text);
    QCOMPARE(column("RIFCONTRATTO").caption, QStringLiteral("Riferimento contratto"));
    QVERIFY(column("RIFCONTRATTO").widthTwips > column("PRIORITA").widthTwips);
    QCOMPARE(column("PRIORITA").kind, ColumnKind::Number);
    QCOMPARE(column("DATACONSEGNA").kind, ColumnKind::Date);
    QCOMPARE(detailGridLayout(settings).columns.back().key, QStringLiteral("VERIFICATA"));
}

void GridLayoutTest::aLaidOutGridCarriesTheLayout()
{
    GridLayoutSettings settings = plainCompany();
    settings.noLedgerLink = true;
    controls::DataGrid movements, detail;
    layOutGrid(movements, movementGridLayout(settings));
    layOutGrid(detail, detailGridLayout(settings));
    layOutGrid(movements, movementGridLayout(settings));   // a second layout adds no second suffix
    addCurrencySuffix(movements, {"DARE"}, settings.currencyText);
    QCOMPARE(movements.keyField(), QStringLiteral("ID"));
    QCOMPARE(detail.keyField(), QStringLiteral("CI13_PROGRIGA"));
    QCOMPARE(movements.columnCaption("DARE"), QStringLiteral("Costi (EUR)"));
    QCOMPARE(detail.columnCaption("SALDO"), QStringLiteral("Saldo (EUR)"));
    const auto hidden = [](const controls::DataGrid& g, const char* key) {
        return g.isColumnHidden(g.gridModel()->columnOf(QString::fromLatin1(key)));
    };
    QVERIFY(hidden(movements, "ID") && hidden(movements, "DESCRCONTOCOGE") && hidden(detail, "CI13_PROGRIGA"));
    QVERIFY(!hidden(movements, "CI12_DATAREG"));
    QCOMPARE(movements.column("CI12_DATAREG").alignment, std::optional(ColumnAlignment::Centre));
    QCOMPARE(movements.column("QUANTITA").decimals, std::optional(3));
}

QTEST_MAIN(GridLayoutTest)
#include "test_grid_layout.moc"
