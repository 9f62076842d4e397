#include "GlobalUtilities.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QWidget>

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace hostfw {
namespace {

QDate dateFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const char* format : {"dd/MM/yyyy", "yyyy-MM-dd", "yyyyMMdd"}) {
        const QDate date = QDate::fromString(trimmed.left(QString::fromLatin1(format).size()),
                                             QString::fromLatin1(format));
        if (date.isValid())
            return date;
    }
    return {};
}

QDate dateOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate: return value.toDate();
    case QMetaType::QDateTime: return value.toDateTime().date();
    case QMetaType::QString: return dateFromText(value.toString());
    default: return {};
    }
}

} // namespace

GlobalUtilities& GlobalUtilities::instance()
{
    static GlobalUtilities utilities;
    return utilities;
}

QString GlobalUtilities::nzText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

// A date reads as the host writes dates: its short date format, then the time of day when it has one.
QString GlobalUtilities::nzText(const db::Value& value)
{
    if (!value.isDateTime())
        return QString::fromStdString(value.toText());
    const db::DateTime& date = value.asDateTime();
    QString text = QDate(date.year(), date.month(), date.day()).toString(QStringLiteral("dd/MM/yyyy"));
    const std::int64_t timeOfDay = date.msecs - date.daysSinceEpoch() * 86'400'000;
    if (timeOfDay != 0)
        text += QLatin1Char(' ') + QTime::fromMSecsSinceStartOfDay(int(timeOfDay)).toString(QStringLiteral("HH:mm:ss"));
    return text;
}

double GlobalUtilities::nzNumber(const QVariant& value)
{
    if (value.isNull())
        return 0.0;
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok)
                                                                : value.toDouble(&ok);
    return ok ? number : 0.0;
}

double GlobalUtilities::nzNumber(const db::Value& value)
{
    if (value.isText())
        return nzNumber(QVariant(QString::fromStdString(value.asText())));
    return value.toDouble();
}

QString GlobalUtilities::numberToSql(double value)
{
    if (!std::isfinite(value))
        throw std::invalid_argument("a number that is not finite cannot be written into a statement");
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0.0, which the server would read the same way
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

QString GlobalUtilities::numberToSql(const db::Decimal& value)
{
    return QString::fromStdString(value.toString());
}

QString GlobalUtilities::dateToSql(const QVariant& value)
{
    const QDate date = dateOf(value);
    return date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) : QString();
}

QString GlobalUtilities::dateToSql(const db::DateTime& value)
{
    return QString::fromStdString(value.toSqlLiteral());
}

bool GlobalUtilities::lockWindowUpdate(QWidget* window)
{
    if (!window) {
        if (locked_)
            locked_->setUpdatesEnabled(true);
        locked_ = nullptr;
        return true;
    }
    if (locked_ && locked_ != window)
        return false;
    window->setUpdatesEnabled(false);
    locked_ = window;
    return true;
}

// Out of line: reading the guarded pointer needs the complete QWidget, which the header does not include.
QWidget* GlobalUtilities::lockedWindow() const
{
    return locked_;
}

void GlobalUtilities::restoreFocus(QWidget* window)
{
    if (window && window->isVisible()) {
        window->activateWindow();
        window->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace hostfw
