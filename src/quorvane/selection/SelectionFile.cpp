#include "selection/SelectionFile.h"

#include "controls/NumberText.h"
#include "selection/ControlCharacters.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

namespace quorvane {

namespace {

// A refusal's words, written in English, in the user's language.
QString words(const char* english)
{
    return QCoreApplication::translate("SelectionFile", english);
}

// A key or value of the file may hold control characters: the message shows them as \uXXXX, so that a NUL
// cannot cut it short and a line end cannot break it.
[[noreturn]] void refuse(const QString& key, const QString& why)
{
    QString message = words("Selection file: key \"%1\": %2").arg(key, why);
    for (qsizetype i = message.size() - 1; i >= 0; --i)
        if (message.at(i).category() == QChar::Other_Control)
            message.replace(i, 1, QStringLiteral("\\u%1").arg(message.at(i).unicode(), 4, 16, QLatin1Char('0')));
    throw SelectionFileError(message.toStdString());
}

// A value as the file writes it, for a refusal to echo: "x" with its quotes, 20245, true, [1, 2].
QString asWritten(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// How one scalar field of the record is read from and written to JSON.
struct FieldCodec {
    const char* key;
    std::function<void(const QJsonValue&, SelectionParameters&, const QString& key)> read;
    std::function<QJsonValue(const SelectionParameters&)> write;   // undefined: not written
};

FieldCodec choice(const char* key, std::string SelectionParameters::*member, QStringList allowed)
{
    return {key,
            [member, allowed](const QJsonValue& v, SelectionParameters& s, const QString& k) {
                if (!v.isString())
                    refuse(k, words("expected a text value, one of \"%1\", not %2")
                                  .arg(allowed.join("\", \""), asWritten(v)));
                if (!allowed.contains(v.toString()))
                    refuse(k, words("\"%1\" is not one of \"%2\"").arg(v.toString(), allowed.join("\", \"")));
                s.*member = v.toString().toStdString();
            },
            [member](const SelectionParameters& s) { return QJsonValue(QString::fromStdString(s.*member)); }};
}

FieldCodec text(const char* key, std::string SelectionParameters::*member, int maxLength, bool upperCase = false)
{
    return {key,
            [=](const QJsonValue& v, SelectionParameters& s, const QString& k) {
                if (!v.isString())
                    refuse(k, words("expected a text value, not %1").arg(asWritten(v)));
                QString t = v.toString();
                if (t.size() > maxLength)
                    refuse(k, words("\"%1\" is longer than %2 characters").arg(t).arg(maxLength));
                s.*member = (upperCase ? t.toUpper() : t).toStdString();
            },
            [member](const SelectionParameters& s) {
                return (s.*member).empty() ? QJsonValue(QJsonValue::Undefined)
                                           : QJsonValue(QString::fromStdString(s.*member));
            }};
}

// A number field: any JSON number, or whole numbers of at most maxDigits digits when wholeDigits > 0.
FieldCodec number(const char* key, std::string SelectionParameters::*member, int wholeDigits = 0)
{
    return {key,
            [=](const QJsonValue& v, SelectionParameters& s, const QString& k) {
                if (!v.isDouble())
                    refuse(k, words("expected a number, not %1").arg(asWritten(v)));
                double d = v.toDouble();
                if (wholeDigits > 0 && (d != std::floor(d) || d < 0 || QString::number(d, 'f', 0).size() > wholeDigits))
                    refuse(k, words("expected a whole number of at most %1 digits, not %2")
                                  .arg(wholeDigits)
                                  .arg(asWritten(v)));
                s.*member = controls::plainNumber(d).toStdString();
            },
            [member](const SelectionParameters& s) {
                return (s.*member).empty() ? QJsonValue(QJsonValue::Undefined)
                                           : QJsonValue(QString::fromStdString(s.*member).toDouble());
            }};
}

FieldCodec date(const char* key, std::optional<QDate> SelectionParameters::*member)
{
    return {key,
            [member](const QJsonValue& v, SelectionParameters& s, const QString& k) {
                QDate d = v.isString() ? QDate::fromString(v.toString(), Qt::ISODate) : QDate();
                if (!d.isValid())
                    refuse(k, words("expected a date as yyyy-mm-dd, not %1").arg(asWritten(v)));
                s.*member = d;
            },
            [member](const SelectionParameters& s) {
                return (s.*member) ? QJsonValue((s.*member)->toString(Qt::ISODate)) : QJsonValue(QJsonValue::Undefined);
            }};
}

QStringList monthValues()
{
    QStringList values{QStringLiteral("-1")};
    for (int m = 1; m <= 12; ++m)
        values << QString::number(m);
    return values;
}

const std::vector<FieldCodec>& scalarFields()
{
    static const QStringList flag{"0", "1"};
    static const QStringList operators{"0", "1", "2", "3", "4"};
    static const std::vector<FieldCodec> fields = {
        choice("CBO_SELCONTOVDS", &SelectionParameters::CBO_SELCONTOVDS, {"0", "1", "2"}),
        text("TXT_CONTO", &SelectionParameters::TXT_CONTO, 50),
        date("TXT_DATAREGDA", &SelectionParameters::TXT_DATAREGDA),
        date("TXT_DATAREGA", &SelectionParameters::TXT_DATAREGA),
        choice("CHK_PERIODOCOMP", &SelectionParameters::CHK_PERIODOCOMP, flag),
        choice("CBO_MESELI", &SelectionParameters::CBO_MESELI, monthValues()),
        number("TXT_ANNOLI", &SelectionParameters::TXT_ANNOLI, 4),
        choice("CBO_MESELS", &SelectionParameters::CBO_MESELS, monthValues()),
        number("TXT_ANNOLS", &SelectionParameters::TXT_ANNOLS, 4),
        choice("CBO_INDOPERAZIONE", &SelectionParameters::CBO_INDOPERAZIONE, flag),
        choice("CBO_SELPERIMP", &SelectionParameters::CBO_SELPERIMP, operators),
        number("TXT_IMPORTO", &SelectionParameters::TXT_IMPORTO),
        number("TXT_PERC", &SelectionParameters::TXT_PERC, 3),
        choice("CHK_QUANTITA", &SelectionParameters::CHK_QUANTITA, flag),
        choice("CBO_SELPERQTA", &SelectionParameters::CBO_SELPERQTA, operators),
        number("TXT_QUANTITA", &SelectionParameters::TXT_QUANTITA),
        number("TXT_PERCQTA", &SelectionParameters::TXT_PERCQTA, 3),
        text("TXT_CODICEVALUTA", &SelectionParameters::TXT_CODICEVALUTA, 4, true),
        date("TXT_DATACAMBIO", &SelectionParameters::TXT_DATACAMBIO),
        number("TXT_CAMBIO", &SelectionParameters::TXT_CAMBIO),
        choice("CHK_NO_PROGETTI", &SelectionParameters::CHK_NO_PROGETTI, flag),
        choice("CHK_NO_COMMESSE", &SelectionParameters::CHK_NO_COMMESSE, flag),
        choice("CHK_NO_VERSAMENTI", &SelectionParameters::CHK_NO_VERSAMENTI, flag),
    };
    return fields;
}

QString textOf(const QJsonObject& o, const char* key, const QString& where)
{
    QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return {};
    if (!v.isString())
        refuse(where + "." + key, words("expected a text value, not %1").arg(asWritten(v)));
    return v.toString();
}

bool boolOf(const QJsonObject& o, const char* key, const QString& where)
{
    QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return false;
    if (!v.isBool())
        refuse(where + "." + key, words("expected true or false, not %1").arg(asWritten(v)));
    return v.toBool();
}

void checkKeys(const QJsonObject& o, const QStringList& known, const QString& where)
{
    for (const QString& key : o.keys())
        if (!known.contains(key))
            refuse(where.isEmpty() ? key : where + "." + key, words("unknown key"));
}

QJsonArray arrayOf(const QJsonValue& v, const QString& key)
{
    if (!v.isArray())
        refuse(key, words("expected an array, not %1").arg(asWritten(v)));
    return v.toArray();
}

QJsonObject rowObject(const QJsonValue& v, const QString& where)
{
    if (!v.isObject())
        refuse(where, words("expected an object, not %1").arg(asWritten(v)));
    QJsonObject o = v.toObject();
    if (textOf(o, "caption", where).isEmpty())
        refuse(where + ".caption", words("every row names its caption"));
    return o;
}

std::vector<LimitRow> readLimitRows(const QJsonValue& value, const QString& key)
{
    std::vector<LimitRow> rows;
    QJsonArray array = arrayOf(value, key);
    for (int i = 0; i < array.size(); ++i) {
        QString where = QStringLiteral("%1[%2]").arg(key).arg(i);
        QJsonObject o = rowObject(array[i], where);
        checkKeys(o, {"caption", "section", "from", "to", "list"}, where);
        LimitRow row{textOf(o, "caption", where).toStdString(), textOf(o, "section", where).toStdString(),
                     textOf(o, "from", where).toStdString(), textOf(o, "to", where).toStdString(), {}};
        if (row.section != "" && row.section != "A" && row.section != "B")
            refuse(where + ".section",
                   words("expected \"A\" or \"B\", not \"%1\"").arg(QString::fromStdString(row.section)));
        if (o.contains("list"))
            for (const QJsonValue& item : arrayOf(o.value("list"), where + ".list")) {
                if (!item.isString())
                    refuse(where + ".list", words("expected text values, not %1").arg(asWritten(item)));
                row.list.push_back(item.toString().toStdString());
            }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<OrderRow> readOrderRows(const QJsonValue& value, const QString& key)
{
    static const QList<int> periods{1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<OrderRow> rows;
    QJsonArray array = arrayOf(value, key);
    for (int i = 0; i < array.size(); ++i) {
        QString where = QStringLiteral("%1[%2]").arg(key).arg(i);
        QJsonObject o = rowObject(array[i], where);
        checkKeys(o, {"caption", "direction", "group", "period", "pageBreak"}, where);
        OrderRow row;
        row.caption = textOf(o, "caption", where).toStdString();
        if (o.contains("direction")) {
            row.direction = textOf(o, "direction", where).toStdString();
            if (row.direction != "ASC" && row.direction != "DESC")
                refuse(where + ".direction", words("expected \"ASC\" or \"DESC\", not \"%1\"")
                                                 .arg(QString::fromStdString(row.direction)));
        }
        row.group = boolOf(o, "group", where);
        row.pageBreak = boolOf(o, "pageBreak", where);
        if (o.contains("period")) {
            QJsonValue p = o.value("period");
            if (!p.isDouble() || !periods.contains(p.toInt()) || p.toDouble() != p.toInt())
                refuse(where + ".period", words("expected a period code 1 to 9, not %1").arg(asWritten(p)));
            row.period = p.toInt();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

QJsonArray writeLimitRows(const std::vector<LimitRow>& rows)
{
    QJsonArray array;
    for (const LimitRow& row : rows) {
        QJsonObject o{{"caption", QString::fromStdString(row.caption)}};
        if (!row.section.empty()) o["section"] = QString::fromStdString(row.section);
        if (!row.from.empty()) o["from"] = QString::fromStdString(row.from);
        if (!row.to.empty()) o["to"] = QString::fromStdString(row.to);
        if (!row.list.empty()) {
            QJsonArray list;
            for (const std::string& item : row.list)
                list.append(QString::fromStdString(item));
            o["list"] = list;
        }
        array.append(o);
    }
    return array;
}

QJsonArray writeOrderRows(const std::vector<OrderRow>& rows)
{
    QJsonArray array;
    for (const OrderRow& row : rows)
        array.append(QJsonObject{{"caption", QString::fromStdString(row.caption)},
                                 {"direction", QString::fromStdString(row.direction)},
                                 {"group", row.group},
                                 {"period", row.period},
                                 {"pageBreak", row.pageBreak}});
    return array;
}

// Movement-type codes are whole numbers written as text: nothing else reaches the selector's condition.
std::vector<std::string> movementTypeCodes(const QJsonValue& value, const QString& key)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]{1,9}$"));
    std::vector<std::string> codes;
    const QJsonArray array = arrayOf(value, key);
    for (int i = 0; i < array.size(); ++i) {
        if (!array[i].isString() || !wholeNumber.match(array[i].toString()).hasMatch())
            refuse(QStringLiteral("%1[%2]").arg(key).arg(i),
                   words("expected a movement-type code, a whole number as text, not %1")
                       .arg(asWritten(array[i])));
        codes.push_back(array[i].toString().toStdString());
    }
    return codes;
}

} // namespace

SelectionParameters parseSelection(const QByteArray& json)
{
    QJsonParseError error;
    QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw SelectionFileError(words("Selection file: not valid JSON at offset %1: %2")
                                     .arg(error.offset).arg(error.errorString()).toStdString());
    if (!doc.isObject())
        throw SelectionFileError(
            words("Selection file: expected a JSON object of control names and values")
                .toStdString());
    SelectionParameters s;
    QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString& key = it.key();
        auto codec = std::find_if(scalarFields().begin(), scalarFields().end(),
                                  [&](const FieldCodec& f) { return key == QLatin1String(f.key); });
        if (codec != scalarFields().end()) {
            if (!it.value().isNull())
                codec->read(it.value(), s, key);
        } else if (key == "USR_TIPOMOV") {
            s.USR_TIPOMOV = movementTypeCodes(it.value(), key);
        } else if (key == "ADVQ_LIMITI" || key == "ADVQ_SELCONTI") {
            (key == "ADVQ_LIMITI" ? s.ADVQ_LIMITI : s.ADVQ_SELCONTI) = readLimitRows(it.value(), key);
        } else if (key == "ADVO_ORDINAMENTI") {
            s.ADVO_ORDINAMENTI = readOrderRows(it.value(), key);
        } else if (key == "company") {
            if (!it.value().isDouble() || it.value().toDouble() != it.value().toInt() || it.value().toInt() <= 0)
                refuse(key, words("expected a company number, not %1").arg(asWritten(it.value())));
            s.company = it.value().toInt();
        } else {
            refuse(key, words("unknown key"));
        }
    }
    if (const std::optional<RefusedValue> refused = valueWithControlCharacter(s))
        refuse(QString::fromStdString(refused->key), QString::fromStdString(refused->why));
    return s;
}

QByteArray serializeSelection(const SelectionParameters& s)
{
    QJsonObject o;
    if (s.company)
        o["company"] = *s.company;
    for (const FieldCodec& field : scalarFields()) {
        QJsonValue v = field.write(s);
        if (!v.isUndefined())
            o[QLatin1String(field.key)] = v;
    }
    if (s.USR_TIPOMOV) {
        QJsonArray codes;
        for (const std::string& code : *s.USR_TIPOMOV)
            codes.append(QString::fromStdString(code));
        o["USR_TIPOMOV"] = codes;
    }
    o["ADVQ_LIMITI"] = writeLimitRows(s.ADVQ_LIMITI);
    o["ADVQ_SELCONTI"] = writeLimitRows(s.ADVQ_SELCONTI);
    o["ADVO_ORDINAMENTI"] = writeOrderRows(s.ADVO_ORDINAMENTI);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

// A pipe or a device would keep the reader waiting for a writer: only a regular file is read.
SelectionParameters loadSelectionFile(const QString& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path.toStdString(), error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw SelectionFileError(
            words("Cannot read the selection file %1: it is not a regular file (a folder, a pipe or a device)")
                .arg(path)
                .toStdString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SelectionFileError(words("Cannot read the selection file %1: %2")
                                     .arg(path, file.errorString()).toStdString());
    return parseSelection(file.readAll());
}

void saveSelectionFile(const QString& path, const SelectionParameters& selection)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(serializeSelection(selection)) < 0 || !file.commit())
        throw SelectionFileError(words("Cannot write the selection file %1: %2")
                                     .arg(path, file.errorString()).toStdString());
}

} // namespace quorvane
