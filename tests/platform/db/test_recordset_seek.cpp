// The group filter's binary search: which filters take it, and that it selects exactly the rows, in
// exactly the order, that a scan of the sorted set selects. Also exact decimal totals over many rows and
// over the groups that the binary search finds.

#include "db/RecordsetData.h"
#include "db/RecordsetFilterParser.h"
#include "db/RecordsetSeek.h"
#include "db/RecordsetSort.h"
#include "test_recordset_samples.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

enum RandomColumn { RId, RA, RB, RC, RD, RE };

std::vector<db::FieldInfo> randomFields()
{
    return {{"ID", db::DataType::Integer}, {"A", db::DataType::Text}, {"B", db::DataType::Integer},
            {"C", db::DataType::Decimal, 0, 9, 2}, {"D", db::DataType::DateTime}, {"E", db::DataType::Float}};
}

// Few distinct values per column, NULLs among them, so that groups are large and ties frequent.
const std::vector<std::vector<db::Value>>& valuePools()
{
    static const std::vector<std::vector<db::Value>> pools = {
        {},
        {db::Value(), "alfa", "ALFA", "alfa ", "beta", "Gamma", "", "  ", "O'Neil"},
        {db::Value(), -1, 0, 1, 2},
        {db::Value(), db::Decimal{-150, 2}, db::Decimal{0, 2}, db::Decimal{225, 2}},
        {db::Value(), db::DateTime::fromCivil(2024, 1, 1), db::DateTime::fromCivil(2024, 1, 1, 12),
         db::DateTime::fromCivil(2024, 2, 1)},
        {db::Value(), -0.0, 0.0, 1.5, -2.0},
    };
    return pools;
}

// Values that no row holds, some of them between two values that rows do hold.
const std::vector<std::string> absentLiterals = {"", "'delta'", "7", "1.005", "#2030-01-01#", "0.75"};

std::string literalFor(const db::Value& v)
{
    if (v.isNull())
        return "NULL";
    if (v.isText()) {
        std::string quoted = "'";
        for (char c : v.asText())
            quoted += c == '\'' ? std::string("''") : std::string(1, c);
        return quoted + "'";
    }
    if (v.isDateTime())
        return std::string("#").append(v.asDateTime().toStorageText()).append("#");
    return v.toText();
}

db::Recordset randomSet(QRandomGenerator& random, int rows)
{
    db::RecordsetBuilder b(randomFields());
    for (int id = 1; id <= rows; ++id) {
        b.appendInt(RId, id);
        for (int c = RA; c <= RE; ++c) {
            const db::Value& v = valuePools()[c][random.bounded(int(valuePools()[c].size()))];
            if (v.isNull()) b.appendNull(c);
            else if (v.isText()) b.appendText(c, v.asText());
            else if (v.isInt()) b.appendInt(c, v.asInt());
            else if (v.isDecimal()) b.appendDecimal(c, v.asDecimal().mantissa);
            else if (v.isDateTime()) b.appendDateTime(c, v.asDateTime());
            else b.appendDouble(c, v.asDouble());
        }
        b.endRow();
    }
    return b.finish();
}

const char* const columnNames[] = {"ID", "A", "B", "C", "D", "E"};

struct GroupQuery {
    std::string sort;
    std::string filter;
};

// A sort on one to four random columns and an equality filter on some of its leading keys, in any order.
GroupQuery randomQuery(QRandomGenerator& random)
{
    std::vector<int> columns = {RA, RB, RC, RD, RE};
    std::shuffle(columns.begin(), columns.end(), random);
    int keys = 1 + random.bounded(4);
    int filtered = 1 + random.bounded(keys);
    GroupQuery q;
    std::vector<std::string> clauses;
    for (int i = 0; i < keys; ++i) {
        q.sort += (i ? ", " : "") + std::string(columnNames[columns[i]]) + (random.bounded(2) ? " DESC" : "");
        if (i >= filtered)
            continue;
        const auto& pool = valuePools()[columns[i]];
        const std::string name = columnNames[columns[i]];
        std::string literal = random.bounded(5) == 0 ? absentLiterals[columns[i]]
                                                     : literalFor(pool[random.bounded(int(pool.size()))]);
        clauses.push_back(name + "=" + literal);
    }
    std::shuffle(clauses.begin(), clauses.end(), random);
    for (std::size_t i = 0; i < clauses.size(); ++i)
        q.filter += (i ? " AND " : "") + clauses[i];
    return q;
}

} // namespace

class RecordsetSeekTest : public QObject {
    Q_OBJECT

private slots:
    void takesBinarySearchOnlyForLeadingEqualities_data();
    void takesBinarySearchOnlyForLeadingEqualities();
    void binarySearchSelectsWhatAScanSelects();
    void decimalTotalsAreExact();
};

void RecordsetSeekTest::takesBinarySearchOnlyForLeadingEqualities_data()
{
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("seeks");

    QTest::newRow("first key") << "A, B" << "A='alfa'" << true;
    QTest::newRow("both keys in any order") << "A, B" << "B=1 AND A='alfa'" << true;
    QTest::newRow("parenthesised conjunction") << "A, B, C" << "(A='alfa' AND (B=1))" << true;
    QTest::newRow("NULL on a descending key") << "B DESC, A" << "B=NULL AND A='alfa'" << true;
    QTest::newRow("value that no row holds") << "C" << "C=1.005" << true;
    QTest::newRow("a text's NULL, with its empty texts") << "A DESC, B" << "B=1 AND A=NULL" << true;
    QTest::newRow("second key alone") << "A, B" << "B=1" << false;
    QTest::newRow("more clauses than keys") << "A" << "A='alfa' AND B=1" << false;
    QTest::newRow("OR") << "A, B" << "A='alfa' OR B=1" << false;
    QTest::newRow("ordering comparison") << "A, B" << "A>'alfa'" << false;
    QTest::newRow("same key twice") << "A, B" << "A='alfa' AND A='beta'" << false;
    QTest::newRow("LIKE") << "A" << "A LIKE 'al*'" << false;
    QTest::newRow("not NULL") << "A" << "A<>NULL" << false;
}

void RecordsetSeekTest::takesBinarySearchOnlyForLeadingEqualities()
{
    QFETCH(QString, sort);
    QFETCH(QString, filter);
    QFETCH(bool, seeks);
    db::RecordsetData data(randomFields());
    data.appendRow({1, "alfa", 1, db::Decimal{100, 2}, db::DateTime::fromCivil(2024, 1, 1), 1.5});
    auto keys = db::parseSort(sort.toStdString(), data);
    auto order = db::sortRows(data, keys);
    auto range = db::seekRange(data, order, keys, db::parseFilter(filter.toStdString(), data));
    QCOMPARE(range.has_value(), seeks);
}

void RecordsetSeekTest::binarySearchSelectsWhatAScanSelects()
{
    QRandomGenerator random(20240131);
    db::Recordset rs = randomSet(random, 3000);
    int nonEmpty = 0;
    for (int round = 0; round < 300; ++round) {
        GroupQuery q = randomQuery(random);
        rs.Sort(q.sort);
        rs.Filter(q.filter);

        db::Recordset sorted = rs.Clone();
        sorted.Sort(q.sort);
        db::Recordset scanned = rs.Clone();
        scanned.Filter(q.filter);
        QList<int> scannedIds = samples::ids(scanned);
        QSet<int> selected(scannedIds.begin(), scannedIds.end());
        QList<int> expected;
        for (int id : samples::ids(sorted))
            if (selected.contains(id))
                expected.append(id);

        QVERIFY2(samples::ids(rs) == expected, (q.sort + " / " + q.filter).c_str());
        nonEmpty += expected.isEmpty() ? 0 : 1;
    }
    QVERIFY2(nonEmpty > 150, "too few rounds selected rows to show anything");
}

void RecordsetSeekTest::decimalTotalsAreExact()
{
    const int rows = 300'000;
    db::RecordsetBuilder b({{"GRP", db::DataType::Text}, {"DARE", db::DataType::Decimal, 0, 19, 2}});
    std::int64_t expectedCents = 0;
    for (int i = 0; i < rows; ++i) {
        b.appendText(0, std::string("G").append(std::to_string(i % 5)));
        b.appendDecimal(1, (i % 7) * 10 + 1);   // 0.01, 0.11 … 0.61: no binary fraction is exact
        expectedCents += (i % 7) * 10 + 1;
        b.endRow();
    }
    db::Recordset rs = b.finish();
    auto total = [](db::Recordset& set) {
        db::Decimal sum{0, 2};
        for (set.MoveFirst(); !set.EOF_(); set.MoveNext())
            sum = sum + set.value(1).asDecimal();
        return sum;
    };
    const std::string expected = db::Decimal{expectedCents, 2}.toString();
    QCOMPARE(total(rs).toString(), expected);

    rs.Sort("GRP");
    db::Decimal ofGroups{0, 2};
    for (int g = 0; g < 5; ++g) {
        db::Recordset group = rs.Clone();
        group.Sort(rs.sort());
        group.Filter("GRP='G" + std::to_string(g) + "'");
        QCOMPARE(group.RecordCount(), rows / 5);
        ofGroups = ofGroups + total(group);
    }
    QCOMPARE(ofGroups.toString(), expected);
}

QTEST_GUILESS_MAIN(RecordsetSeekTest)
#include "test_recordset_seek.moc"
