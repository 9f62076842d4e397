// The check before processing: rules in their fixed order, each refusal with its message, the field that
// takes the focus and, for the ordering rules, the ordering tab; and the movement types' date range.

#include "selection/SettingsCheck.h"

#include <QTest>

using quorvane::OrderRow;
using quorvane::SelectionParameters;

namespace {

// A selection every rule accepts: a valid cost-centre account, no dates, the company's own currency.
SelectionParameters acceptedSelection()
{
    SelectionParameters s;
    s.TXT_CONTO = "0101001";
    return s;
}

quorvane::FieldStates acceptedFields()
{
    quorvane::FieldStates fields;
    fields.accountValid = true;
    fields.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    return fields;
}

OrderRow groupBy(const char* caption)
{
    OrderRow row;
    row.caption = caption;
    row.group = true;
    return row;
}

OrderRow orderBy(const char* caption)
{
    OrderRow row;
    row.caption = caption;
    return row;
}

} // namespace

class SettingsCheckTest : public QObject {
    Q_OBJECT

private slots:
    void refusesWithMessageAndFocus_data();
    void refusesWithMessageAndFocus();
    void onlyTheFirstFailingRuleIsReported();
    void movementTypeRangeFollowsTheDates_data();
    void movementTypeRangeFollowsTheDates();
};

void SettingsCheckTest::refusesWithMessageAndFocus_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("message");     // 0: accepted
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("tab");         // -1: no tab
    QTest::newRow("accepted as it is") << "" << 0 << "" << -1;
    QTest::newRow("account that does not exist") << "unknown account" << 9638 << "TXT_CONTO" << -1;
    QTest::newRow("empty account") << "empty account" << 9638 << "TXT_CONTO" << -1;
    QTest::newRow("account filter grid: the account field is not checked") << "account filter" << 0 << "" << -1;
    QTest::newRow("no movement-type condition") << "no types" << 9638 << "USR_TIPOMOV" << -1;
    QTest::newRow("start date that is not a date") << "bad start" << 9638 << "TXT_DATAREGDA" << -1;
    QTest::newRow("end date that is not a date") << "bad end" << 9638 << "TXT_DATAREGA" << -1;
    QTest::newRow("competence without a from-year") << "no from-year" << 9638 << "TXT_ANNOLI" << -1;
    QTest::newRow("competence with a three-digit to-year") << "short to-year" << 9638 << "TXT_ANNOLS" << -1;
    QTest::newRow("unknown currency") << "bad currency" << 9638 << "TXT_CODICEVALUTA" << -1;
    QTest::newRow("foreign currency without exchange date") << "no exchange date" << 9638 << "TXT_DATACAMBIO" << -1;
    QTest::newRow("foreign currency without rate") << "no rate" << 9638 << "TXT_CAMBIO" << -1;
    QTest::newRow("sub-project level without the project above it") << "sub-project alone" << 43650 << "" << 2;
    QTest::newRow("sub-project level under its project") << "project then sub-project" << 0 << "" << -1;
    QTest::newRow("sub-order level without the job order above it") << "sub-order alone" << 43681 << "" << 2;
    QTest::newRow("grouping on a description row") << "group on description" << 6029 << "" << 2;
    QTest::newRow("ordering by project while projects are excluded") << "project excluded" << 64809 << "" << 2;
    QTest::newRow("ordering by job order while job orders are excluded") << "job order excluded" << 64810 << "" << 2;
    QTest::newRow("ordering by employee while time bookings are excluded") << "employee excluded" << 64811 << "" << 2;
    QTest::newRow("eleven grouping levels") << "eleven levels" << 7984 << "" << 2;
    QTest::newRow("ten grouping levels") << "ten levels" << 0 << "" << -1;
}

void SettingsCheckTest::refusesWithMessageAndFocus()
{
    QFETCH(QString, change);
    QFETCH(int, message);
    QFETCH(QString, focus);
    QFETCH(int, tab);
    SelectionParameters s = acceptedSelection();
    quorvane::FieldStates fields = acceptedFields();
    const char* levels[] = {"Causale", "Sez. doc.", "Data reg.", "Data doc.", "Tipo movimento", "Nr. doc.",
                            "C.d.C.", "V.d.S.", "Natura costo", "Articolo", "Deposito"};
    if (change == "unknown account") fields.accountValid = false;
    if (change == "empty account") s.TXT_CONTO.clear();
    if (change == "account filter") { s.CBO_SELCONTOVDS = "2"; s.TXT_CONTO.clear(); fields.accountValid = false; }
    if (change == "no types") fields.movementTypeCondition.clear();
    if (change == "bad start") fields.dateFromValid = false;
    if (change == "bad end") fields.dateToValid = false;
    if (change == "no from-year" || change == "short to-year") {
        s.CHK_PERIODOCOMP = "1";
        s.CBO_MESELI = s.CBO_MESELS = "1";
        s.TXT_ANNOLI = change == "no from-year" ? "" : "2024";
        s.TXT_ANNOLS = change == "no from-year" ? "2024" : "202";
    }
    if (change == "bad currency") fields.currencyValid = false;
    if (change == "no exchange date" || change == "no rate") {
        s.TXT_CODICEVALUTA = "USD";
        if (change == "no rate") s.TXT_DATACAMBIO = QDate(2024, 3, 1);
    }
    if (change == "sub-project alone") s.ADVO_ORDINAMENTI = {groupBy("Causale"), groupBy("Sottoprogetto")};
    if (change == "project then sub-project") s.ADVO_ORDINAMENTI = {groupBy("Progetto"), groupBy("Sottoprogetto")};
    if (change == "sub-order alone") s.ADVO_ORDINAMENTI = {groupBy("Sottocommessa"), groupBy("Commessa")};
    if (change == "group on description") s.ADVO_ORDINAMENTI = {groupBy("Descr. causale")};
    if (change == "project excluded") { s.CHK_NO_PROGETTI = "1"; s.ADVO_ORDINAMENTI = {orderBy("Classe A progetto")}; }
    if (change == "job order excluded") { s.CHK_NO_COMMESSE = "1"; s.ADVO_ORDINAMENTI = {orderBy("CI13_SCOMMESSA_PD25")}; }
    if (change == "employee excluded") { s.CHK_NO_VERSAMENTI = "1"; s.ADVO_ORDINAMENTI = {groupBy("Dipendente")}; }
    if (change == "eleven levels" || change == "ten levels")
        for (int i = 0; i < (change == "eleven levels" ? 11 : 10); ++i)
            s.ADVO_ORDINAMENTI.push_back(groupBy(levels[i]));
    const quorvane::SettingsCheckResult result = quorvane::CheckImpostazioni(s, fields);
    if (message == 0) {
        QVERIFY2(result.ok(), result.refusal ? qPrintable(QString::number(result.refusal->message)) : "");
        return;
    }
    QVERIFY(!result.ok());
    QCOMPARE(result.refusal->message, message);
    QCOMPARE(QString::fromStdString(result.refusal->focus), focus);
    QCOMPARE(result.refusal->tab.value_or(-1), tab);
}

void SettingsCheckTest::onlyTheFirstFailingRuleIsReported()
{
    SelectionParameters s = acceptedSelection();
    quorvane::FieldStates fields = acceptedFields();
    fields.dateToValid = false;
    fields.currencyValid = false;
    s.CHK_NO_PROGETTI = "1";
    s.ADVO_ORDINAMENTI = {groupBy("Sottoprogetto")};
    QCOMPARE(quorvane::CheckImpostazioni(s, fields).refusal->focus, std::string("TXT_DATAREGA"));
    fields.dateToValid = fields.currencyValid = true;
    // The grouping check comes before the excluded dimensions.
    QCOMPARE(quorvane::CheckImpostazioni(s, fields).refusal->message, 43650);
}

void SettingsCheckTest::movementTypeRangeFollowsTheDates_data()
{
    QTest::addColumn<QString>("case_");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("no dates: open at both ends") << "none" << QDate() << QDate();
    QTest::newRow("only the end date: from 1 January of its year") << "end" << QDate(2024, 1, 1) << QDate(2024, 3, 15);
    QTest::newRow("both dates") << "both" << QDate(2023, 6, 1) << QDate(2024, 3, 15);
    QTest::newRow("competence February 2024: to the 29th") << "competence" << QDate(2024, 2, 1) << QDate(2024, 2, 29);
}

void SettingsCheckTest::movementTypeRangeFollowsTheDates()
{
    QFETCH(QString, case_);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    SelectionParameters s = acceptedSelection();
    if (case_ == "end" || case_ == "both") s.TXT_DATAREGA = QDate(2024, 3, 15);
    if (case_ == "both") s.TXT_DATAREGDA = QDate(2023, 6, 1);
    if (case_ == "competence") {
        s.CHK_PERIODOCOMP = "1";
        s.CBO_MESELI = s.CBO_MESELS = "2";
        s.TXT_ANNOLI = s.TXT_ANNOLS = "2024";
    }
    const quorvane::MovementTypeRange range = quorvane::CheckImpostazioni(s, acceptedFields()).movementTypeRange;
    QCOMPARE(range.from.value_or(QDate()), from);
    QCOMPARE(range.to.value_or(QDate()), to);
}

QTEST_GUILESS_MAIN(SettingsCheckTest)
#include "test_settings_check.moc"
