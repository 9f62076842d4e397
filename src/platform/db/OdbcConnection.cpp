#include "db/OdbcConnection.h"

#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/RecordsetBuilder.h"
#include "db/SqliteRowReader.h"
#include "db/TranslatedStatement.h"
#include "tsql/Dialect.h"

#include <sql.h>
#include <sqlext.h>

#include <QAtomicInt>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlDriver>
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
        if (v.typeId() == QMetaType::QString) {   // a SQLite server's storage text
            if (auto parsed = DateTime::parse(v.toString().toStdString()))
                builder.appendDateTime(column, *parsed);
            else
                builder.appendNull(column);
            break;
        }
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

Recordset readRows(QSqlQuery& query, const std::vector<FieldInfo>& fields, std::string_view text)
{
    RecordsetBuilder builder(fields);
    const int count = static_cast<int>(fields.size());
    while (query.next()) {
        for (int i = 0; i < count; ++i)
            append(builder, i, fields[static_cast<std::size_t>(i)], query.value(i));
        builder.endRow();
    }
    if (query.lastError().isValid())
        fail(query.lastError(), text);
    return builder.finish();
}

// The connection's ODBC handle, under Qt's driver; nullptr when it has none.
SQLHANDLE odbcHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || handle.metaType().sizeOf() != sizeof(SQLHANDLE))
        return nullptr;
    return *static_cast<const SQLHANDLE*>(handle.constData());
}

// The server's product as its driver reports it (SQL_DBMS_NAME): "SQLite", "Microsoft SQL Server", …
std::string dbmsName(const QSqlDatabase& db)
{
    SQLHANDLE connection = odbcHandle(db);
    if (!connection)
        return {};
    SQLCHAR name[256] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(connection, SQL_DBMS_NAME, name, sizeof name, &length)))
        return {};
    return reinterpret_cast<const char*>(name);
}

// An ODBC statement handle that frees itself; its failures throw Error with the driver's first diagnostic.
class OdbcStatement {
public:
    OdbcStatement(SQLHANDLE connection, std::string_view text) : text_(text)
    {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle_)))
            throw Error("The ODBC connection cannot run a statement.", text_);
    }
    ~OdbcStatement() { SQLFreeHandle(SQL_HANDLE_STMT, handle_); }
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    void execute(const std::string& sql)
    {
        check(SQLExecDirect(handle_, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS));
    }
    int columns()
    {
        SQLSMALLINT count = 0;
        check(SQLNumResultCols(handle_, &count));
        return count;
    }
    bool fetch()
    {
        const SQLRETURN code = SQLFetch(handle_);
        if (code == SQL_NO_DATA)
            return false;
        check(code);
        return true;
    }
    // The column's value as text, or a null QVariant for NULL.
    QVariant text(int column)
    {
        std::string value;
        char chunk[4096];
        for (;;) {
            SQLLEN length = 0;
            const SQLRETURN code = SQLGetData(handle_, static_cast<SQLUSMALLINT>(column + 1), SQL_C_CHAR, chunk,
                                              sizeof chunk, &length);
            if (code == SQL_NO_DATA)
                break;
            check(code);
            if (length == SQL_NULL_DATA)
                return {};
            const bool whole = code != SQL_SUCCESS_WITH_INFO;
            value.append(chunk, whole ? static_cast<std::size_t>(length) : sizeof chunk - 1);
            if (whole)
                break;
        }
        return QString::fromStdString(value);
    }

private:
    void check(SQLRETURN code) const
    {
        if (SQL_SUCCEEDED(code))
            return;
        SQLCHAR state[6] = {}, message[1024] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        SQLGetDiagRec(SQL_HANDLE_STMT, handle_, 1, state, &native, message, sizeof message, &length);
        throw Error(reinterpret_cast<const char*>(message), text_);
    }

    SQLHANDLE handle_ = nullptr;
    std::string text_;
};

// Why the connection did not open, in words that name the cause: a driver unixODBC does not know is the
// commonest, and its own texts ("Data source name not found", "Can't open lib") do not say so.
std::string openFailure(const QSqlError& error, const std::string& connectionString)
{
    const ConnectionString parts(connectionString);
    const std::string text = error.text().toStdString();
    if (text.find("IM002") != std::string::npos || text.find("Data source name not found") != std::string::npos
        || text.find("Can't open lib") != std::string::npos) {
        return parts.has("Driver") ? "the ODBC driver \"" + parts.value("Driver") + "\" is not installed (unixODBC's odbcinst.ini does not name it)"
                                   : "the ODBC data source \"" + parts.value("DSN") + "\" is not defined";
    }
    return text;
}

} // namespace

OdbcConnection::OdbcConnection(const std::string& connectionString) : Connection(connectionString)
{
    static QAtomicInt counter;
    name_ = QStringLiteral("quorvane-odbc-%1").arg(counter.fetchAndAddRelaxed(1));
    if (!QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name_).isValid())
        throw Error("The ODBC driver of Qt (QODBC) is not installed.");
    open(connectionString);
    if (dbmsName(database(name_)).starts_with("SQLite"))
        translateForSqlite();
}

void OdbcConnection::open(const std::string& connectionString)
{
    QSqlDatabase db = database(name_);
    db.setDatabaseName(QString::fromStdString(connectionString));
    if (!db.open())
        throw Error("Cannot open the ODBC connection: " + maskPasswords(openFailure(db.lastError(), connectionString)));
}

// The statements the dialect layer translates call its runtime functions: the connection opens again with
// the driver told to load them (LoadExt, first, where nothing the user wrote can swallow it), and the
// catalog is read through it.
void OdbcConnection::translateForSqlite()
{
    Close();
    open(std::string("LoadExt=") + QUORVANE_TSQL_FUNCTIONS + ";" + connectionString());
    dialect_ = std::make_unique<tsql::Dialect>([this](const std::string& sql) {
        OdbcStatement statement(odbcHandle(database(name_)), sql);
        statement.execute(sql);
        const int columns = statement.columns();
        std::vector<std::vector<std::string>> rows;
        while (statement.fetch()) {
            std::vector<std::string>& row = rows.emplace_back();
            for (int i = 0; i < columns; ++i)
                row.push_back(statement.text(i).toString().toStdString());
        }
        return rows;
    });
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
    if (dialect_)
        return runTranslated(text, nullptr);
    QSqlQuery query(database(name_));
    if (!query.exec(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))))
        fail(query.lastError(), text);
    return query.numRowsAffected();
}

Recordset OdbcConnection::Open(std::string_view text)
{
    if (dialect_) {
        Recordset rows;
        runTranslated(text, &rows);
        return rows;
    }
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
    return readRows(query, fields, text);
}

long OdbcConnection::runTranslated(std::string_view text, Recordset* rows)
{
    if (!isOpen())
        throw Error("The connection is closed.", std::string(text));
    std::shared_ptr<const tsql::Translation> translation;
    try {
        translation = dialect_->translate(text);
    } catch (const std::runtime_error& e) {   // a statement outside the subset, or the catalog unread
        throw Error(e.what(), std::string(text));
    }
    return runTranslation(
        *translation, *dialect_, [&](const tsql::Step& step) { return runStep(step, text, rows); },
        [this](const char* sql) {
            QSqlQuery query(database(name_));
            if (!query.exec(QString::fromLatin1(sql)))
                fail(query.lastError(), sql);
        });
}

// The rows are typed as the dialect layer typed the columns, not as the driver describes them: the SQLite
// driver guesses a computed column's type from its first value (a first 0 makes integers of the amounts
// after it), so every value is read as the text the engine holds and converted here.
long OdbcConnection::runStep(const tsql::Step& step, std::string_view text, Recordset* rows)
{
    if (!step.returnsRows || !rows) {
        QSqlQuery query(database(name_));
        if (!query.exec(QString::fromStdString(step.sql)))
            fail(query.lastError(), text);
        return query.numRowsAffected();
    }
    std::vector<FieldInfo> fields;
    for (const tsql::ColumnType& column : step.columns)
        fields.push_back(fieldFor(column));
    OdbcStatement statement(odbcHandle(database(name_)), text);
    statement.execute(step.sql);
    RecordsetBuilder builder(fields);
    while (statement.fetch()) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            append(builder, static_cast<int>(i), fields[i], statement.text(static_cast<int>(i)));
        builder.endRow();
    }
    *rows = builder.finish();
    return -1;
}

} // namespace db
