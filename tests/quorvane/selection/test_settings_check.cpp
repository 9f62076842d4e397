// The check before processing: rules in their fixed order, each refusal with its message, the field that
// takes the focus and, for the ordering rules, the ordering tab; and the movement types' date range.

#include "hostfw/Catalogue.h"
#include "selection/SettingsCheck.h"

#include <QTest>

using quorvane::OrderingColumn;
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

// A chosen ordering row as the ordering grid resolves it: its column and whether it may group.
OrderingColumn orderBy(const char* column, bool groupable = true)
{
    OrderingColumn row;
    row.caption = column;
    row.column = column;
    row.groupable = groupable;
    return row;
}

OrderingColumn groupBy(const char* column, bool groupable = true)
{
    OrderingColumn row = orderBy(column, groupable);
    row.group = true;
    return row;
}

} // namespace

class SettingsCheckTest : public QObject {
    Q_OBJECT

private slots:
    void refusesWithMessageAndFocus_data();
    void refusesWithMessageAndFocus();
    void onlyTheFirstFailingRuleIsReported();
    void messagesSpeakOfTheRuleThatRaisesThem_data();
    void messagesSpeakOfTheRuleThatRaisesThem();
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
    QTest::newRow("ordering by employee while projects are excluded") << "employee without projects" << 64809 << "" << 2;
    QTest::newRow("ordering by project expense while projects are excluded") << "expense without projects" << 64809 << "" << 2;
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
    std::vector<OrderingColumn> ordering;
    const char* levels[] = {"CI12_CODCAUS_CI03", "CI12_SEZDOC", "CI12_DATAREG", "CI12_DATADOC", "CI12_INDTIPOMOV",
                            "CI12_NUMDOC", "CI13_CONTO_PC03", "CI13_VDS_PC03", "NATURA", "CI13_CODART_MG66",
                            "CI13_DEP_MG58"};
    if (change == "unknown account") fields.accountValid = false;
    if (change == "empty account") s.TXT_CONTO.clear();
    if (change == "account filter") { s.CBO_SELCONTOVDS = "2"; s.TXT_CONTO.clear(); fields.accountValid = false; }
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
    if (change == "sub-project alone") ordering = {groupBy("CI12_CODCAUS_CI03"), groupBy("CI13_SPROGETTO_PD69")};
    if (change == "project then sub-project") ordering = {groupBy("CI13_PROGETTO_PD68"), groupBy("CI13_SPROGETTO_PD69")};
    if (change == "sub-order alone") ordering = {groupBy("CI13_SCOMMESSA_PD25"), groupBy("CI13_COMMESSA_PD25")};
    if (change == "group on description") ordering = {groupBy("DESCRANAGRAFICACAUSALE", false)};
    if (change == "project excluded") { s.CHK_NO_PROGETTI = "1"; ordering = {orderBy("PD68_CLASSEA_PD1F")}; }
    if (change == "employee without projects") { s.CHK_NO_PROGETTI = "1"; ordering = {orderBy("CI13_DIPENDENTE_PD06")}; }
    if (change == "expense without projects") { s.CHK_NO_PROGETTI = "1"; ordering = {orderBy("CI13_SPESAGEN_PD59")}; }
    if (change == "job order excluded") { s.CHK_NO_COMMESSE = "1"; ordering = {orderBy("CI13_SCOMMESSA_PD25")}; }
    if (change == "employee excluded") { s.CHK_NO_VERSAMENTI = "1"; ordering = {groupBy("CI13_DIPENDENTE_PD06")}; }
    if (change == "eleven levels" || change == "ten levels")
        for (int i = 0; i < (change == "eleven levels" ? 11 : 10); ++i)
            ordering.push_back(groupBy(levels[i]));
    const quorvane::SettingsCheckResult result = quorvane::CheckImpostazioni(s, fields, ordering);
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
    const std::vector<OrderingColumn> ordering = {groupBy("CI13_SPROGETTO_PD69")};
    QCOMPARE(quorvane::CheckImpostazioni(s, fields, ordering).refusal->focus, std::string("TXT_DATAREGA"));
    fields.dateToValid = fields.currencyValid = true;
    // The grouping check comes before the excluded dimensions.
    QCOMPARE(quorvane::CheckImpostazioni(s, fields, ordering).refusal->message, 43650);
}

// The excluded dimensions refuse plain ordering rows as well as grouping ones, and 6029 refuses a grouping
// mark on a description row: their texts must say so.
void SettingsCheckTest::messagesSpeakOfTheRuleThatRaisesThem_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("never");
    QTest::newRow("projects excluded") << 64809 << "ordinare" << "raggruppare";
    QTest::newRow("job orders excluded") << 64810 << "ordinare" << "raggruppare";
    QTest::newRow("time bookings excluded") << 64811 << "ordinare" << "raggruppare";
    QTest::newRow("a description row cannot group") << 6029 << "descrizione" << "almeno";
}

void SettingsCheckTest::messagesSpeakOfTheRuleThatRaisesThem()
{
    QFETCH(int, message);
    QFETCH(QString, says);
    QFETCH(QString, never);
    const QString text = hostfw::Catalogue::text(message, hostfw::Language::Italian);
    QVERIFY2(text.contains(says) && !text.contains(never), qPrintable(text));
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
    const quorvane::MovementTypeRange range = quorvane::CheckImpostazioni(s, acceptedFields(), {}).movementTypeRange;
    QCOMPARE(range.from.value_or(QDate()), from);
    QCOMPARE(range.to.value_or(QDate()), to);
}

QTEST_GUILESS_MAIN(SettingsCheckTest)
#include "test_settings_check.moc"
