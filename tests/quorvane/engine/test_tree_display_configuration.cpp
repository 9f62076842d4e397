// The display configuration read from the ordering grid's rows: the break levels with their columns and
// description columns, the sort of the movement set, and whether the ledger is grouped.

#include "engine/DisplayConfiguration.h"

#include <QTest>

namespace {

// "caption:column[:G][:period][:DESC]" for each row.
std::vector<quorvane::OrderingColumn> rowsOf(const QStringList& levels)
{
    std::vector<quorvane::OrderingColumn> rows;
    for (const QString& level : levels) {
        const QStringList parts = level.split(':');
        quorvane::OrderingColumn row;
        row.caption = parts[0].toStdString();
        row.column = parts[1].toStdString();
        for (const QString& option : parts.mid(2)) {
            if (option == "G")
                row.group = true;
            else if (option == "DESC")
                row.direction = "DESC";
            else
                row.period = option.toInt();
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

class TreeDisplayConfigurationTest : public QObject {
    Q_OBJECT

private slots:
    void sortsAndLevelsFromTheRows_data();
    void sortsAndLevelsFromTheRows();
    void levelCaptionsAreTranslated();
};

void TreeDisplayConfigurationTest::sortsAndLevelsFromTheRows_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QStringList>("levels");   // "Campo|CampoDescrizione|CodiceData"
    QTest::newRow("no rows: the movement's own order") << QStringList{} << "CI12_NUMREG_CO99, CI13_PROGRIGA" << false
                                                       << QStringList{};
    QTest::newRow("ordering only")
        << QStringList{"Nr. doc.:CI12_NUMDOC:DESC", "Causale:CI12_CODCAUS_CI03"}
        << "CI12_NUMDOC DESC,CI12_CODCAUS_CI03 ASC, CI12_NUMREG_CO99, CI13_PROGRIGA" << false << QStringList{};
    QTest::newRow("groups only: no movement order after them")
        << QStringList{"C.d.C.:CI13_CONTO_PC03:G", "Data reg.:CI12_DATAREG:G:3"}
        << "CI13_CONTO_PC03 ASC,DATAREGMESE ASC" << true
        << QStringList{"CI13_CONTO_PC03|DESCRCONTO|0", "DATAREGMESE||0"};
    QTest::newRow("groups first, then the ordering wherever it stands")
        << QStringList{"Nr. doc.:CI12_NUMDOC", "V.d.S.:CI13_VDS_PC03:G:DESC", "Data doc.:CI12_DATADOC:G:1"}
        << "CI13_VDS_PC03 DESC,CI12_DATADOC ASC, CI12_NUMDOC ASC, CI12_NUMREG_CO99, CI13_PROGRIGA" << true
        << QStringList{"CI13_VDS_PC03|DESCRVDS|0", "CI12_DATADOC||1"};
    QTest::newRow("attribute columns lose their qualifier in the sort, keep it in the level")
        << QStringList{"Contratto:CO5L_CI12.CONTRATTO:G", "Peso:CO5L_CI13.PESO"}
        << "CONTRATTO ASC, PESO ASC, CI12_NUMREG_CO99, CI13_PROGRIGA" << true
        << QStringList{"CO5L_CI12.CONTRATTO||0"};
    QTest::newRow("a date level without a period has no column and no sort entry")
        << QStringList{"Data reg.:CI12_DATAREG:G:8", "Natura costo:NATURA:G"} << "NATURA ASC" << true
        << QStringList{"||0", "NATURA|DESCRNATURA|0"};
    QTest::newRow("a lone date level without a period leaves the ledger ungrouped")
        << QStringList{"Data reg.:CI12_DATAREG:G:8"} << "CI12_NUMREG_CO99, CI13_PROGRIGA" << false << QStringList{"||0"};
}

void TreeDisplayConfigurationTest::sortsAndLevelsFromTheRows()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, sort);
    QFETCH(bool, grouped);
    QFETCH(QStringList, levels);
    const quorvane::DisplayConfiguration configuration =
        quorvane::configureDisplay(rowsOf(rows), hostfw::Translator(hostfw::Language::Italian));
    QCOMPARE(QString::fromStdString(configuration.movementSort()), sort);
    QCOMPARE(configuration.hasGroups, grouped);
    QStringList found;
    for (const quorvane::Rottura& level : configuration.levels) {
        QCOMPARE(level.DataPiena, level.CodiceData == 1);
        found << QString::fromStdString(level.Campo + "|" + level.CampoDescrizione + "|" + std::to_string(level.CodiceData));
    }
    QCOMPARE(found, levels);
}

void TreeDisplayConfigurationTest::levelCaptionsAreTranslated()
{
    const auto rows = rowsOf({"C.d.C.:CI13_CONTO_PC03:G", ":CI13_VDS_PC03:G"});
    QCOMPARE(quorvane::configureDisplay(rows, hostfw::Translator(hostfw::Language::English)).levels[0].Caption,
             std::string("Cost centre"));
    QCOMPARE(quorvane::configureDisplay(rows, hostfw::Translator(hostfw::Language::Italian)).levels[0].Caption,
             std::string("C.d.C."));
    QCOMPARE(quorvane::configureDisplay(rows, hostfw::Translator(hostfw::Language::English)).levels[1].Caption,
             std::string());
}

QTEST_GUILESS_MAIN(TreeDisplayConfigurationTest)
#include "test_tree_display_configuration.moc"
