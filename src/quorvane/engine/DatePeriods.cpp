#include "engine/DatePeriods.h"

#include "hostfw/Translator.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace quorvane {
namespace {

// The three-letter abbreviation of a month in the user's language: "gen", "Jan".
std::string abbreviation(int month, hostfw::Language language)
{
    const QLocale locale(language == hostfw::Language::English ? QLocale::English : QLocale::Italian);
    return locale.monthName(month, QLocale::ShortFormat).left(3).toStdString();
}

std::string abbreviation(const db::DateTime& date, hostfw::Language language)
{
    return abbreviation(date.month(), language);
}

// A word of the captions ("sett.", "quind.", "anno") in the user's language.
std::string word(const char* italian, hostfw::Language language)
{
    return hostfw::Translator(language).phrase(QString::fromUtf8(italian)).toStdString();
}

std::string year(const db::DateTime& date)
{
    return std::to_string(date.year());
}

// The period of `monthsPerPeriod` months the date falls in by its first and last month, then the year:
// "gen-mar 2024", "Jan-Mar 2024".
std::string periodName(const db::DateTime& date, int monthsPerPeriod, hostfw::Language language)
{
    const int first = (date.month() - 1) / monthsPerPeriod * monthsPerPeriod + 1;
    return abbreviation(first, language) + "-" + abbreviation(first + monthsPerPeriod - 1, language) + " " + year(date);
}

} // namespace

std::optional<db::DateTime> dateOf(const db::Value& value)
{
    if (value.isDateTime())
        return value.asDateTime();
    if (!value.isText())
        return std::nullopt;
    const std::string& text = value.asText();
    if (auto parsed = db::DateTime::parse(text))
        return parsed;
    // The host's own short form of a date.
    const QDate date = QDate::fromString(QString::fromStdString(text), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return db::DateTime::fromCivil(date.year(), date.month(), date.day());
}

int sundayWeekOfYear(const db::DateTime& date)
{
    const std::int64_t days = date.daysSinceEpoch();
    const std::int64_t newYear = db::daysFromCivil(date.year(), 1, 1);
    // 1970-01-01 was a Thursday: day 0 has weekday 4 counted from Sunday.
    const std::int64_t newYearWeekday = ((newYear + 4) % 7 + 7) % 7;
    return static_cast<int>((days - newYear + newYearWeekday) / 7) + 1;
}

std::string DateToSettimana(const db::Value& value, hostfw::Language language)
{
    const auto date = dateOf(value);
    return date ? word("sett.", language) + " " + std::to_string(sundayWeekOfYear(*date)) + "/" + year(*date)
                : std::string();
}

std::string DateToQuindicina(const db::Value& value, hostfw::Language language)
{
    const auto date = dateOf(value);
    if (!date)
        return {};
    return std::string(date->day() <= 15 ? "1 " : "2 ") + word("quind.", language) + " " + abbreviation(*date, language)
           + " " + year(*date);
}

std::string DateToMese(const db::Value& value, hostfw::Language language)
{
    const auto date = dateOf(value);
    return date ? abbreviation(*date, language) + " " + year(*date) : std::string();
}

std::string DateToTrimestre(const db::Value& value, hostfw::Language language)
{
    const auto date = dateOf(value);
    return date ? periodName(*date, 3, language) : std::string();
}

std::string DateToQuadrimestre(const db::Value& value, hostfw::Language language)
{
    const auto date = dateOf(value);
    return date ? periodName(*date, 4, language) : std::string();
}

std::string DateToSemestre(const db::Value& value, hostfw::Language language)
{
    const auto date = dateOf(value);
    return date ? periodName(*date, 6, language) : std::string();
}

std::string DateToAnno(const db::Value& value, hostfw::Language language)
{
    const auto date = dateOf(value);
    return date ? word("anno", language) + " " + year(*date) : std::string();
}

} // namespace quorvane
