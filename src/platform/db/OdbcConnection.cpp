#include "db/OdbcConnection.h"

#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/RecordsetBuilder.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {

namespace {

QSqlDatabase database(const QString& name) { return QSqlDatabase::database(name, false); }

[[noreturn]] void fail(const QSqlError& error, std::string_view text)
{
    throw Error(error.text().toStdString(), std::string(text));
}

FieldInfo fieldFor(const QSqlField& field)
{
    FieldInfo info;
    info.name = field.name().toStdString();
    switch (field.metaType().id()) {
    case QMetaType::Bool: info.type = DataType::Bit; break;
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Char: case QMetaType::UChar:
        info.type = DataType::Integer;
        break;
    case QMetaType::Double:
        // ODBC reports DECIMAL and NUMERIC columns with a precision and a scale; FLOAT has no scale.
        info.type = field.precision() > 0 ? DataType::Decimal : DataType::Float;
        info.precision = field.length();
        info.scale = std::max(0, field.precision());
        break;
    case QMetaType::QDate: case QMetaType::QDateTime: case QMetaType::QTime: info.type = DataType::DateTime; break;
    default:
        info.type = DataType::Text;
        info.definedSize = std::max(0, field.length());
        break;
    }
    info.nullable = field.requiredStatus() != QSqlField::Required;
    return info;
}

void append(RecordsetBuilder& builder, int column, const FieldInfo& field, const QVariant& v)
{
    if (v.isNull()) {
        builder.appendNull(column);
        return;
    }
    switch (field.type) {
    case DataType::Bit: builder.appendBool(column, v.toBool()); break;
    case DataType::Integer: builder.appendInt(column, v.toLongLong()); break;
    case DataType::Float: builder.appendDouble(column, v.toDouble()); break;
    case DataType::Decimal: {
        // The driver hands decimals over as text when asked to keep precision; parse them exactly.
        auto parsed = Decimal::parse(v.toString().toStdString());
        builder.appendDecimal(column, parsed ? parsed->rescaled(field.scale).mantissa
                                             : Decimal::fromDouble(v.toDouble(), field.scale).mantissa);
        break;
    }
    case DataType::DateTime: {
        QDateTime t = v.toDateTime();
        QDate d = t.date();
        QTime h = t.time();
        builder.appendDateTime(column, DateTime::fromCivil(d.year(), d.month(), d.day(), h.hour(), h.minute(),
                                                           h.second(), h.msec()));
        break;
    }
    case DataType::Text: builder.appendText(column, v.toString().toStdString()); break;
    }
}

} // namespace

OdbcConnection::OdbcConnection(const std::string& connectionString) : Connection(connectionString)
{
    static QAtomicInt counter;
    name_ = QStringLiteral("quorvane-odbc-%1").arg(counter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name_);
    if (!db.isValid())
        throw Error("The ODBC driver of Qt (QODBC) is not installed.");
    db.setDatabaseName(QString::fromStdString(connectionString));
    if (!db.open())
        throw Error("Cannot open the ODBC connection: " + maskPasswords(db.lastError().text().toStdString()));
}

OdbcConnection::~OdbcConnection()
{
    Close();
    QSqlDatabase::removeDatabase(name_);
}

void OdbcConnection::Close()
{
    if (database(name_).isOpen())
        database(name_).close();
}

bool OdbcConnection::isOpen() const { return database(name_).isOpen(); }

long OdbcConnection::Execute(std::string_view text)
{
    QSqlQuery query(database(name_));
    if (!query.exec(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))))
        fail(query.lastError(), text);
    return query.numRowsAffected();
}

Recordset OdbcConnection::Open(std::string_view text)
{
    QSqlQuery query(database(name_));
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!query.exec(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))))
        fail(query.lastError(), text);
    if (!query.isSelect())
        return Recordset();
    QSqlRecord record = query.record();
    std::vector<FieldInfo> fields;
    for (int i = 0; i < record.count(); ++i)
        fields.push_back(fieldFor(record.field(i)));
    RecordsetBuilder builder(fields);
    while (query.next()) {
        for (int i = 0; i < record.count(); ++i)
            append(builder, i, fields[static_cast<std::size_t>(i)], query.value(i));
        builder.endRow();
    }
    if (query.lastError().isValid())
        fail(query.lastError(), text);
    return builder.finish();
}

} // namespace db
