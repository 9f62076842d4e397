// The layout of the two movement grids: which columns a company's settings show and in which order, the
// widths without the general-ledger link, the attribute columns by type, the currency suffix added once,
// and the whole layout applied to a grid.

#include "display/AttributeGridColumns.h"
#include "display/CurrencySuffix.h"
#include "display/GridLayout.h"
#include "display/GridLayoutApplication.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

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
    void withoutTheLedgerLinkTheCounterAccountDescriptionIsHidden_data();
    void withoutTheLedgerLinkTheCounterAccountDescriptionIsHidden();
    void attributeColumnsFollowTheirType_data();
    void attributeColumnsFollowTheirType();
    void theCurrencySuffixIsAddedOnce_data();
    void theCurrencySuffixIsAddedOnce();
    void aLaidOutGridCarriesTheLayout();
};

void GridLayoutTest::theCompanysSettingsDecideTheColumns_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("company");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("absent");
    const QStringList movementAbsent{"CI13_CODICE_CGC0", "DES_INTERCOMPANY", "CI12_SEDE_CG31", "DESCRSEDE",
                                     "CI13_NODO_PD0C", "DESCRNODO", "CI13_NODORIF_PD0C", "DESCRNODORIF",
                                     "CI13_ATTIVITA_PD0D", "DESCRATTIVITA", "CI13_SPESAGEN_PD59", "DESCRSPESA",
                                     "CODICE_EPU", "DESCR_EPU", "CODICE_ATTREZZATURA", "DESCR_ATTREZZATURA"};
    QTest::newRow("movements, every option") << "movements" << "every" << 72 << QStringList();
    QTest::newRow("movements, plain company") << "movements" << "plain" << 56 << movementAbsent;
    QTest::newRow("movements, sites of the lines only") << "movements" << "lineSitesOnly" << 70
                                                        << QStringList{"CI12_SEDE_CG31", "DESCRSEDE"};
    QTest::newRow("detail, every option") << "detail" << "every" << 23 << QStringList();
    QTest::newRow("detail, plain company") << "detail" << "plain" << 20
                                           << QStringList{"CI13_CODICE_CGC0", "DES_INTERCOMPANY", "CI13_SEDE_CG31"};
    QTest::newRow("detail, sites on the header only") << "detail" << "headerSitesOnly" << 22
                                                      << QStringList{"CI13_SEDE_CG31"};
}

void GridLayoutTest::theCompanysSettingsDecideTheColumns()
{
    QFETCH(QString, grid);
    QFETCH(QString, company);
    QFETCH(int, count);
    QFETCH(QStringList, absent);
    GridLayoutSettings settings = company == "plain" ? plainCompany() : everyOption();
    if (company == "lineSitesOnly")
        settings.siteSetting = 0;
    if (company == "headerSitesOnly")
        settings.lineSiteSetting = 0;
    const QStringList all = keysOf(layoutOf(grid, everyOption()).columns);
    const QStringList shown = keysOf(layoutOf(grid, settings).columns);
    QCOMPARE(shown.size(), count);
    QStringList expected = all;
    for (const QString& key : absent)
        QVERIFY2(expected.removeAll(key) == 1, qPrintable(key));
    QCOMPARE(shown, expected);   // the remaining columns keep their order
}

void GridLayoutTest::withoutTheLedgerLinkTheCounterAccountDescriptionIsHidden_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QStringList>("widened");
    QTest::addColumn<int>("widenedTotal");
    const QStringList movement{"CI12_DATAREG", "NUMSEZDOC", "CI12_DATADOC", "CI12_CODCAUS_CI03", "CI12_DESCRCAUS"};
    const QStringList detail{"CI13_CONTO_PC03", "CI13_VDS_PC03", "DESCRCONTO", "DESCRVDS"};
    // Both grids spread the same design amount of 2100 twips, scaled with the form, over their columns.
    QTest::newRow("movements at design size") << "movements" << 1.0 << movement << 6192 + 2100;
    QTest::newRow("movements on a wider form") << "movements" << 1.5 << movement << 6192 + 3150;
    QTest::newRow("detail at design size") << "detail" << 1.0 << detail << 6300 + 2100;
    QTest::newRow("detail on a wider form") << "detail" << 1.5 << detail << 6300 + 3150;
}

void GridLayoutTest::withoutTheLedgerLinkTheCounterAccountDescriptionIsHidden()
{
    QFETCH(QString, grid);
    QFETCH(double, scale);
    QFETCH(QStringList, widened);
    QFETCH(int, widenedTotal);
    GridLayoutSettings linked = everyOption();
    linked.horizontalScale = scale;
    GridLayoutSettings unlinked = linked;
    unlinked.noLedgerLink = true;
    const GridLayout before = layoutOf(grid, linked);
    const GridLayout after = layoutOf(grid, unlinked);
    QCOMPARE(keysOf(after.columns), keysOf(before.columns));
    QCOMPARE(widthOf(before, "DESCRCONTOCOGE"), 2550);
    QCOMPARE(widthOf(after, "DESCRCONTOCOGE"), 0);
    int total = 0;
    for (const DataGridColumn& c : after.columns) {
        if (widened.contains(c.key))
            total += widthOf(after, c.key);
        else if (c.key != "DESCRCONTOCOGE")
            QCOMPARE(widthOf(after, c.key), widthOf(before, c.key));
    }
    QCOMPARE(total, widenedTotal);
}

void GridLayoutTest::attributeColumnsFollowTheirType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");
    QTest::newRow("type 1") << 1 << int(ColumnKind::Number) << 1920;
    QTest::newRow("type 2") << 2 << int(ColumnKind::Text) << 6000;
    QTest::newRow("type 3") << 3 << int(ColumnKind::Date) << 1200;
    QTest::newRow("any other type") << 4 << int(ColumnKind::Text) << 3000;
}

void GridLayoutTest::attributeColumnsFollowTheirType()
{
    QFETCH(int, type);
    QFETCH(int, kind);
    QFETCH(int, width);
    GridLayoutSettings settings = plainCompany();
    settings.headerAttributes = {{"ATTR_COLORE", controls::AttributeType(type), "  Colore  "}};
    settings.lineAttributes = {{"ATTR_RIGA", controls::AttributeType(type), "Riga"}};
    const GridLayout movements = movementGridLayout(settings);
    const DataGridColumn& column = movements.columns.back();
    QCOMPARE(column.key, QStringLiteral("ATTR_COLORE"));
    QCOMPARE(column.caption, QStringLiteral("Colore"));
    QCOMPARE(int(column.kind), kind);
    QCOMPARE(column.widthTwips, width);
    QCOMPARE(column.option, std::optional<bool>(false));
    QVERIFY(column.numberFormat.isEmpty());
    QCOMPARE(detailGridLayout(settings).columns.back().key, QStringLiteral("ATTR_RIGA"));
    QCOMPARE(int(movements.columns.size()), 57);
}

void GridLayoutTest::theCurrencySuffixIsAddedOnce_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain caption") << "Importo" << "EUR" << "Importo (EUR)";
    QTest::newRow("already suffixed") << "Importo (EUR)" << "EUR" << "Importo (EUR)";
    QTest::newRow("currency inside the caption") << "Costi EUR netti" << "EUR" << "Costi EUR netti";
    QTest::newRow("compared by case") << "Importo eur" << "EUR" << "Importo eur (EUR)";
}

void GridLayoutTest::theCurrencySuffixIsAddedOnce()
{
    QFETCH(QString, caption);
    QFETCH(QString, currency);
    QFETCH(QString, expected);
    QCOMPARE(captionWithCurrency(caption, currency), expected);
    QCOMPARE(captionWithCurrency(captionWithCurrency(caption, currency), currency), expected);
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
    QCOMPARE(movements.columnCaption("AVERE"), QStringLiteral("Ricavi (EUR)"));
    QCOMPARE(detail.columnCaption("SALDO"), QStringLiteral("Saldo (EUR)"));
    QCOMPARE(movements.columnCaption("QUANTITA"), QString::fromUtf8("Quantità"));
    const auto columnIndex = [](const controls::DataGrid& g, const char* key) {
        return g.gridModel()->columnOf(QString::fromLatin1(key));
    };
    QVERIFY(movements.isColumnHidden(columnIndex(movements, "ID")));
    QVERIFY(movements.isColumnHidden(columnIndex(movements, "DESCRCONTOCOGE")));
    QVERIFY(detail.isColumnHidden(columnIndex(detail, "CI13_PROGRIGA")));
    QVERIFY(!movements.isColumnHidden(columnIndex(movements, "CI12_DATAREG")));
    QCOMPARE(movements.column("CI12_DATAREG").alignment, std::optional(ColumnAlignment::Centre));
    QCOMPARE(movements.column("DESCRNATURA").alignment, std::optional(ColumnAlignment::Left));
    QCOMPARE(movements.column("CI12_DESCRCAUS").alignment, std::nullopt);
    QCOMPARE(detail.column("INDMODRILEVAZIONE").alignment, std::optional(ColumnAlignment::Centre));
    QCOMPARE(movements.column("CI12_TOTDOCUMENTO").decimals, std::optional(2));
    QCOMPARE(movements.column("QUANTITA").decimals, std::optional(3));
    QCOMPARE(detail.column("QUANTITA").decimals, std::optional(3));
    QCOMPARE(movements.column("IMPORTO").numberFormat, settings.amountFormat);
    QCOMPARE(movements.column("CI12_DESCRCAUS").widthTwips, 1700 + 2445);
}

QTEST_MAIN(GridLayoutTest)
#include "test_grid_layout.moc"
