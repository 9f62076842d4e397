#include "ExportFileName.h"

#include "hostfw/Phrases.h"

#include <QRegularExpression>

namespace quorvane::host {
namespace {

QString isoDate(const std::optional<QDate>& date)
{
    return date ? date->toString(Qt::ISODate) : QString();
}

// "2024-01" from the selection's month and year fields; nothing when the month is not chosen.
QString competenceMonth(const std::string& month, const std::string& year)
{
    const int m = QString::fromStdString(month).toInt();
    if (m < 1 || year.empty())
        return {};
    return QStringLiteral("%1-%2").arg(QString::fromStdString(year)).arg(m, 2, 10, QLatin1Char('0'));
}

} // namespace

QString proposedExportName(const SelectionParameters& s)
{
    QStringList parts{hostfw::userText("Partitario")};
    if ((s.CBO_SELCONTOVDS == "0" || s.CBO_SELCONTOVDS == "1") && !s.TXT_CONTO.empty())
        parts << QString::fromStdString(s.TXT_CONTO);
    if (s.TXT_DATAREGDA || s.TXT_DATAREGA)
        parts << isoDate(s.TXT_DATAREGDA) << isoDate(s.TXT_DATAREGA);
    else if (s.CHK_PERIODOCOMP == "1")
        parts << competenceMonth(s.CBO_MESELI, s.TXT_ANNOLI) << competenceMonth(s.CBO_MESELS, s.TXT_ANNOLS);
    parts.removeAll(QString());
    static const QRegularExpression unsafe(QStringLiteral(R"([^\w.-])"), QRegularExpression::UseUnicodePropertiesOption);
    return parts.join(QLatin1Char('_')).replace(unsafe, QStringLiteral("_"));
}

} // namespace quorvane::host
