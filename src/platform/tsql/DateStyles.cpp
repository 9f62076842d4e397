#include "tsql/DateStyles.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace tsql {

namespace {

constexpr std::array<const char*, 12> monthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct Fields {
    long long year;
    int month, day, hour, minute, second;
};

Fields fieldsOf(const DateTime& value)
{
    return {datePart(DatePart::Year, value),
            static_cast<int>(datePart(DatePart::Month, value)),
            static_cast<int>(datePart(DatePart::Day, value)),
            static_cast<int>(datePart(DatePart::Hour, value)),
            static_cast<int>(datePart(DatePart::Minute, value)),
            static_cast<int>(datePart(DatePart::Second, value))};
}

// "Jan  5 2024  9:05AM": day and hour padded with a blank, hours from 12 to 11.
std::string defaultForm(const Fields& f)
{
    char buffer[32];
    int hour = f.hour % 12 == 0 ? 12 : f.hour % 12;
    std::snprintf(buffer, sizeof buffer, "%s %2d %04lld %2d:%02d%s", monthNames[f.month - 1], f.day, f.year, hour,
                  f.minute, f.hour < 12 ? "AM" : "PM");
    return buffer;
}

// Day, month and year in the order and with the separator a numeric style gives them.
struct NumericForm {
    int style;
    char order[4];  // 'd', 'm', 'y'
    char separator;
};

constexpr std::array<NumericForm, 5> numericForms = {{{101, "mdy", '/'}, {103, "dmy", '/'}, {104, "dmy", '.'},
                                                      {105, "dmy", '-'}, {111, "ymd", '/'}}};

const NumericForm* numericForm(int style)
{
    for (const NumericForm& form : numericForms)
        if (form.style == style)
            return &form;
    return nullptr;
}

std::string numericDate(const NumericForm& form, const Fields& f)
{
    std::string text;
    char buffer[8];
    for (int i = 0; i < 3; ++i) {
        char part = form.order[i];
        std::snprintf(buffer, sizeof buffer, part == 'y' ? "%04lld" : "%02lld",
                      part == 'y' ? f.year : part == 'm' ? f.month : static_cast<long long>(f.day));
        text += (i ? std::string(1, form.separator) : std::string()) + buffer;
    }
    return text;
}

// Reads d/m/y groups of one or two digits (four for the year) in the form's order, then the rest as the
// time of an ISO text.
std::optional<DateTime> parseNumeric(const NumericForm& form, std::string_view text)
{
    int values[3] = {0, 0, 0};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && (pos >= text.size() || text[pos++] != form.separator))
            return std::nullopt;
        std::size_t start = pos;
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
            values[i] = values[i] * 10 + (text[pos++] - '0');
        std::size_t digits = pos - start;
        if (digits == 0 || digits > (form.order[i] == 'y' ? 4u : 2u) || (form.order[i] == 'y' && digits != 4))
            return std::nullopt;
    }
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < 3; ++i)
        (form.order[i] == 'y' ? year : form.order[i] == 'm' ? month : day) = values[i];
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
    return parseDateTime(std::string(iso) + std::string(text.substr(pos)));
}

bool isMonthName(std::string_view word)
{
    static constexpr std::array<std::string_view, 20> names = {"jan", "feb", "mar", "apr", "may", "jun", "jul",
                                                               "aug", "sep", "oct", "nov", "dec", "gen", "mag",
                                                               "giu", "lug", "ago", "set", "ott", "dic"};
    std::string lower;
    for (char c : word.substr(0, 3))
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view name : names)
        if (name == lower)
            return true;
    return false;
}

// Three groups of digits with one separator from / . - between them, other than yyyy-mm-dd.
bool numberGroups(std::string_view part)
{
    int groups = 0;
    char separator = 0;
    std::size_t lengths[3] = {0, 0, 0};
    for (std::size_t i = 0;; ++i) {
        std::size_t start = i;
        while (i < part.size() && std::isdigit(static_cast<unsigned char>(part[i])))
            ++i;
        if (i == start || groups == 3)
            return false;
        lengths[groups++] = i - start;
        if (i == part.size())
            break;
        if ((part[i] != '/' && part[i] != '.' && part[i] != '-') || (separator && part[i] != separator))
            return false;
        separator = part[i];
    }
    bool iso = separator == '-' && lengths[0] == 4 && lengths[1] == 2 && lengths[2] == 2;
    return groups == 3 && !iso;
}

}  // namespace

bool isDateStyle(int style)
{
    return style == 0 || style == 100 || style == 23 || style == 112 || style == 120 || style == 121 || style == 126
           || numericForm(style) != nullptr;
}

std::string formatDateStyle(const DateTime& value, int style)
{
    Fields f = fieldsOf(value);
    std::string iso = formatDateTime(value);  // yyyy-mm-dd hh:mi:ss
    if (const NumericForm* form = numericForm(style))
        return numericDate(*form, f);
    switch (style) {
    case 23:
        return iso.substr(0, 10);
    case 112:
        return iso.substr(0, 4) + iso.substr(5, 2) + iso.substr(8, 2);
    case 120:
        return iso;
    case 121:
        return iso + ".000";
    case 126:
        return iso.substr(0, 10) + "T" + iso.substr(11) + ".000";
    case datetime2Style:
        return iso + ".0000000";
    default:
        return defaultForm(f);
    }
}

std::optional<DateTime> parseDateStyle(std::string_view text, int style)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (const NumericForm* form = numericForm(style))
        return parseNumeric(*form, text);
    return parseDateTime(text);
}

bool looksLikeOtherDateForm(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (numberGroups(text.substr(0, text.find(' '))))
        return true;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start;
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
            ++end;
        if (end - start >= 3 && isMonthName(text.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace tsql
