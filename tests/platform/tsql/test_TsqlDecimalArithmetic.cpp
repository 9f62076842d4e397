// Exact decimal arithmetic checked against a reference that works on strings of digits, the way one
// computes by hand: thousands of random operands of every precision and scale, each operation at random
// result scales, and values carried through SQLite in each of the forms the engine stores them in.
#include "TsqlDatabase.h"

#include "tsql/Decimal.h"

#include <QtTest>

#include <random>

namespace {

// A whole number as its decimal digits, most significant first, without leading zeros ("0" for zero).
using Digits = std::string;

Digits withoutLeadingZeros(const Digits& d)
{
    std::size_t first = d.find_first_not_of('0');
    return first == Digits::npos ? "0" : d.substr(first);
}

int compareDigits(const Digits& a, const Digits& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a < b ? -1 : (a > b ? 1 : 0);
}

Digits addDigits(const Digits& a, const Digits& b)
{
    Digits sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int digit = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0) + (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        sum.insert(sum.begin(), char('0' + digit % 10));
        carry = digit / 10;
    }
    return withoutLeadingZeros(sum);
}

Digits subtractDigits(const Digits& a, const Digits& b)  // a >= b
{
    Digits difference = a;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char& digit = difference[a.size() - 1 - i];
        int value = digit - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = value < 0;
        digit = char('0' + value + (borrow ? 10 : 0));
    }
    return withoutLeadingZeros(difference);
}

Digits multiplyDigits(const Digits& a, const Digits& b)
{
    std::vector<int> columns(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            columns[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = columns.size() - 1; k > 0; --k) {
        columns[k - 1] += columns[k] / 10;
        columns[k] %= 10;
    }
    Digits product;
    for (int digit : columns)
        product += char('0' + digit);
    return withoutLeadingZeros(product);
}

// Long division, one quotient digit at a time by repeated subtraction.
std::pair<Digits, Digits> divideDigits(const Digits& a, const Digits& b)
{
    Digits quotient, rest = "0";
    for (char c : a) {
        rest = withoutLeadingZeros(rest + c);
        int digit = 0;
        for (; compareDigits(rest, b) >= 0; ++digit)
            rest = subtractDigits(rest, b);
        quotient += char('0' + digit);
    }
    return {withoutLeadingZeros(quotient), rest};
}

Digits shifted(const Digits& d, int zeros) { return d == "0" ? d : d + Digits(zeros, '0'); }

// Drops `count` digits, rounding half away from zero on the first dropped one, or truncating.
Digits dropDigits(const Digits& d, int count, bool rounds)
{
    if (count <= 0)
        return shifted(d, -count);
    if (count > int(d.size()))
        return "0";
    Digits kept = withoutLeadingZeros(d.substr(0, d.size() - count));
    return rounds && d[d.size() - count] >= '5' ? addDigits(kept, "1") : kept;
}

struct Number {
    bool negative = false;
    Digits units = "0";
    int scale = 0;
};

Number atScale(const Number& n, int scale, bool rounds)
{
    Digits units = dropDigits(n.units, n.scale - scale, rounds);
    return {n.negative && units != "0", units, scale};
}

Number signedSum(Number a, Number b)
{
    int common = std::max(a.scale, b.scale);
    a = atScale(a, common, false);
    b = atScale(b, common, false);
    if (a.negative == b.negative)
        return {a.negative, addDigits(a.units, b.units), common};
    bool aLarger = compareDigits(a.units, b.units) >= 0;
    Digits units = aLarger ? subtractDigits(a.units, b.units) : subtractDigits(b.units, a.units);
    return {(aLarger ? a.negative : b.negative) && units != "0", units, common};
}

std::string text(const Number& n)
{
    if (n.units.size() > 39)
        return "overflow";
    Digits padded = Digits(std::max(0, n.scale + 1 - int(n.units.size())), '0') + n.units;
    std::string whole = padded.substr(0, padded.size() - n.scale);
    std::string decimals = padded.substr(padded.size() - n.scale);
    return (n.negative ? "-" : "") + whole + (n.scale ? "." + decimals : "");
}

// The result's text, or "overflow" beyond 38 digits, as the decimal arithmetic must answer.
std::string expected(const Number& n) { return n.units.size() > 38 ? "overflow" : text(n); }

std::string actual(const std::function<tsql::Decimal()>& operation)
{
    try {
        return tsql::formatDecimal(operation());
    } catch (const tsql::ValueError& error) {
        return std::string(error.what()).find("overflow") != std::string::npos ? "overflow" : error.what();
    }
}

class Operands {
public:
    // A number of random precision, scale and length: short ones most often, as amounts are.
    std::pair<Number, tsql::Decimal> next()
    {
        int precision = pick(1, 38), scale = pick(0, precision);
        int length = pick(0, 3) == 0 ? pick(1, precision) : pick(1, std::min(precision, 8));
        Number n{pick(0, 1) == 1, "", scale};
        tsql::Int128 units = 0;
        for (int i = 0; i < length; ++i) {
            int digit = pick(0, 9);
            n.units += char('0' + digit);
            units = units * 10 + digit;
        }
        n.units = withoutLeadingZeros(n.units);
        n.negative = n.negative && n.units != "0";
        return {n, {n.negative ? -units : units, scale}};
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937_64 random_{20240105};
};

}  // namespace

class TsqlDecimalArithmetic : public QObject {
    Q_OBJECT

private:
    static constexpr int rounds = 4000;

private slots:
    void sumsAndDifferencesRoundAtTheResultScale()
    {
        Operands operands;
        for (int i = 0; i < rounds; ++i) {
            auto [a, exactA] = operands.next();
            auto [b, exactB] = operands.next();
            int scale = operands.pick(0, 38);
            Number minusB{!b.negative && b.units != "0", b.units, b.scale};
            QCOMPARE(actual([&] { return tsql::add(exactA, exactB, scale); }), expected(atScale(signedSum(a, b), scale, true)));
            QCOMPARE(actual([&] { return tsql::subtract(exactA, exactB, scale); }),
                     expected(atScale(signedSum(a, minusB), scale, true)));
            int order = tsql::compare(exactA, exactB);
            Number difference = signedSum(a, minusB);
            QCOMPARE(order, difference.units == "0" ? 0 : (difference.negative ? -1 : 1));
        }
    }

    void productsRoundAtTheResultScale()
    {
        Operands operands;
        for (int i = 0; i < rounds; ++i) {
            auto [a, exactA] = operands.next();
            auto [b, exactB] = operands.next();
            int scale = operands.pick(0, 38);
            Digits units = multiplyDigits(a.units, b.units);
            Number product{a.negative != b.negative && units != "0", units, a.scale + b.scale};
            QCOMPARE(actual([&] { return tsql::multiply(exactA, exactB, scale); }), expected(atScale(product, scale, true)));
        }
    }

    void quotientsTruncateAtTheResultScale()
    {
        Operands operands;
        for (int i = 0; i < rounds; ++i) {
            auto [a, exactA] = operands.next();
            auto [b, exactB] = operands.next();
            int scale = operands.pick(0, 38);
            if (b.units == "0") {
                QCOMPARE(actual([&] { return tsql::divide(exactA, exactB, scale); }),
                         std::string("Divide by zero error encountered."));
                continue;
            }
            int exponent = scale - a.scale + b.scale;
            Digits quotient = divideDigits(shifted(a.units, std::max(exponent, 0)), shifted(b.units, std::max(-exponent, 0))).first;
            Number result{a.negative != b.negative && quotient != "0", quotient, scale};
            QCOMPARE(actual([&] { return tsql::divide(exactA, exactB, scale); }), expected(result));
            int common = std::max(a.scale, b.scale);
            Digits rest = divideDigits(atScale(a, common, false).units, atScale(b, common, false).units).second;
            Number remainder{a.negative && rest != "0", rest, common};
            QCOMPARE(actual([&] { return tsql::remainder(exactA, exactB, common); }), expected(remainder));
        }
    }

    void rescalingAndRoundingKeepTheRuleOfEachFunction()
    {
        Operands operands;
        for (int i = 0; i < rounds; ++i) {
            auto [a, exactA] = operands.next();
            int scale = operands.pick(0, 38), digits = operands.pick(-40, 40);
            bool truncates = operands.pick(0, 1) == 1;
            auto rounding = truncates ? tsql::Rounding::TowardZero : tsql::Rounding::HalfAwayFromZero;
            QCOMPARE(actual([&] { return tsql::rescale(exactA, scale, rounding); }), expected(atScale(a, scale, !truncates)));
            Number rounded = atScale(atScale(a, std::min(digits, a.scale), !truncates), a.scale, false);
            QCOMPARE(actual([&] { return tsql::roundAt(exactA, digits, rounding); }), text(rounded));
            QCOMPARE(tsql::formatDecimal(*tsql::parseDecimal(text(a))), text(a));
        }
    }

    // A computed decimal reaches SQLite as an integer, a double or its text, by its digits; each form
    // must read back as the very value at its type's scale.
    void storedFormsReadBackExactly()
    {
        TsqlDatabase db;
        Operands operands;
        for (int i = 0; i < 300; ++i) {
            Number a = operands.next().first;
            std::string query = "SELECT CAST(N'" + text(a) + "' + '' AS DECIMAL(38, " + std::to_string(a.scale) + "))";
            QCOMPARE(db.value(query), text(a));
        }
    }
};

QTEST_GUILESS_MAIN(TsqlDecimalArithmetic)
#include "test_TsqlDecimalArithmetic.moc"
