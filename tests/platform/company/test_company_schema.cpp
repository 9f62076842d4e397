// The schema script loads on an empty database, and every object that docs/company-database.md lists
// exists there with every column it lists, checked through the dialect layer.

#include "company/SchemaScript.h"
#include "db/Connection.h"
#include "db/Error.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

namespace {

struct DocumentedObject {
    QString name, kind;
    QStringList columns;
};

// "- `NAME` (kind) — why\n  Columns: `A`, `B`."
QList<DocumentedObject> documentedObjects()
{
    QFile file(QStringLiteral(COMPANY_DATABASE_DOC));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<DocumentedObject> objects;
    const QRegularExpression head(QStringLiteral("^- `(\\w+)` \\((table|view|function)\\)"));
    const QRegularExpression quoted(QStringLiteral("`(\\w+)`"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        auto match = head.match(line);
        if (match.hasMatch()) {
            objects.append({match.captured(1), match.captured(2), {}});
        } else if (line.trimmed().startsWith(QStringLiteral("Columns:")) && !objects.isEmpty()) {
            for (auto it = quoted.globalMatch(line); it.hasNext();)
                objects.last().columns << it.next().captured(1);
        }
    }
    return objects;
}

} // namespace

class CompanySchemaTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> connection_;
    std::map<std::string, int> parameterCounts_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        connection_ = db::Connection::open("Provider=SQLite;Data Source=" + dir_.filePath("schema.db").toStdString());
        company::loadSchema(*connection_);
        for (const company::SchemaObject& object : company::schemaObjects())
            parameterCounts_[object.name] = object.parameterCount;
    }

    void everyObjectOfTheScriptIsDocumented()
    {
        QSet<QString> documented;
        for (const DocumentedObject& object : documentedObjects())
            documented.insert(object.name);
        QSet<QString> created;
        for (const company::SchemaObject& object : company::schemaObjects())
            created.insert(QString::fromStdString(object.name));
        QCOMPARE(documented, created);
    }

    void documentedObjectExistsWithItsColumns_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("columns");
        const auto objects = documentedObjects();
        QVERIFY(!objects.isEmpty());
        for (const DocumentedObject& object : objects)
            QTest::newRow(qPrintable(object.name)) << object.kind << object.columns;
    }

    void documentedObjectExistsWithItsColumns()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, columns);
        QVERIFY(!columns.isEmpty());
        const std::string name = QTest::currentDataTag();
        std::string statement;
        if (kind == QStringLiteral("function")) {
            auto count = parameterCounts_.find(name);
            QVERIFY2(count != parameterCounts_.end(), "the function is not in the script");
            QStringList arguments;
            for (int i = 0; i < count->second; ++i)
                arguments << QStringLiteral("NULL");
            statement = "SELECT TOP 0 F." + columns.join(QStringLiteral(", F.")).toStdString()
                        + " FROM CG18_ANADITTABASE CROSS APPLY " + name + "(" + arguments.join(", ").toStdString()
                        + ") AS F";
        } else {
            statement = "SELECT TOP 0 " + columns.join(QStringLiteral(", ")).toStdString() + " FROM " + name;
        }
        try {
            db::Recordset rows = connection_->Open(statement);
            QCOMPARE(rows.fieldCount(), columns.size());
        } catch (const db::Error& e) {
            QFAIL(e.what());
        }
    }

    void loadingTheScriptTwiceFailsOnTheFirstExistingObject()
    {
        QVERIFY_THROWS_EXCEPTION(db::Error, company::loadSchema(*connection_));
    }
};

QTEST_GUILESS_MAIN(CompanySchemaTest)
#include "test_company_schema.moc"
