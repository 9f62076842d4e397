#pragma once
// A CSV file read back for a test, as RFC 4180 reads it: fields split at the separator outside quotes,
// records at CR LF outside quotes, "" read as ".

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace csvtest {

inline std::vector<QStringList> csvRecords(const QString& text, QChar separator)
{
    std::vector<QStringList> records(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool lineEnd = text.mid(i, 2) == QLatin1String("\r\n");
        if (quoted && text.mid(i, 2) == QLatin1String("\"\"")) {
            field += text[++i];
        } else if (text[i] == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted || (text[i] != separator && !lineEnd)) {
            field += text[i];
        } else {
            records.back() << std::exchange(field, {});
            if (lineEnd && ++i)
                records.emplace_back();
        }
    }
    records.pop_back();
    return records;
}

} // namespace csvtest
