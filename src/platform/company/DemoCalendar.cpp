#include "company/DemoWriters.h"

#include <cstdio>

namespace company::demo {

long firstDay() { return static_cast<long>(db::daysFromCivil(2022, 1, 1)); }

db::DateTime dateOfDay(long day) { return db::DateTime{static_cast<std::int64_t>(day) * 86'400'000}; }

long dayOf(int year, int month, int day) { return static_cast<long>(db::daysFromCivil(year, month, day)); }

long monthEnd(int year, int month) { return month == 12 ? dayOf(year, 12, 31) : dayOf(year, month + 1, 1) - 1; }

db::Value nullable(bool present, db::Value value) { return present ? std::move(value) : db::Value(); }

std::string guidText(Prng& random)
{
    std::uint64_t high = random.next(), low = random.next();
    char text[37];
    std::snprintf(text, sizeof text, "%08X-%04X-%04X-%04X-%012llX", static_cast<unsigned>(high >> 32),
                  static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFFF),
                  static_cast<unsigned>(low >> 48), static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFull));
    return text;
}

std::string numbered(const std::string& prefix, long number, int width)
{
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return prefix + digits;
}

} // namespace company::demo
