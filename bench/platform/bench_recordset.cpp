// Memory and speed of the movement set at full size: a million lines of 150 columns shaped like the
// extraction's result (repeated descriptions, many NULL columns, amounts, dates, codes). Prints figures;
// asserts nothing. Usage: bench_recordset [rows]

#include "db/RecordsetBuilder.h"

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Processor time of this process: on a machine shared with builds, wall time alone overstates the cost.
double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

long residentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// One column of the synthetic set: its field and how a row's value is appended.
struct ColumnShape {
    db::FieldInfo field;
    std::function<void(db::RecordsetBuilder&, int column, long row)> append;
};

db::FieldInfo fieldOf(const std::string& name, db::DataType type, int scale = 0)
{
    db::FieldInfo field;
    field.name = name;
    field.type = type;
    field.scale = scale;
    field.precision = type == db::DataType::Decimal ? 19 : 0;
    field.definedSize = type == db::DataType::Text ? 60 : 0;
    return field;
}

class MovementShape {
public:
    explicit MovementShape(std::mt19937_64& random) : random_(random) { addColumns(); }
    const std::vector<ColumnShape>& columns() const { return columns_; }

private:
    std::uint64_t draw(std::uint64_t bound) { return random_() % bound; }

    void add(db::FieldInfo field, std::function<void(db::RecordsetBuilder&, int, long)> append)
    {
        columns_.push_back(ColumnShape{std::move(field), std::move(append)});
    }

    // Descriptions of 20 to 60 characters, `distinct` of them, repeated over the rows.
    std::shared_ptr<std::vector<std::string>> descriptions(int distinct, const std::string& stem)
    {
        auto pool = std::make_shared<std::vector<std::string>>();
        for (int i = 0; i < distinct; ++i) {
            std::string text = stem;
            text.append(" ").append(std::to_string(i));
            text.resize(20 + draw(41), '.');
            pool->push_back(text);
        }
        return pool;
    }

    // Texts drawn at random from `distinct` values.
    void text(const std::string& name, int distinct, int percentNull)
    {
        auto pool = descriptions(distinct, name);
        add(fieldOf(name, db::DataType::Text), [this, pool, percentNull](db::RecordsetBuilder& b, int c, long) {
            if (int(draw(100)) < percentNull)
                b.appendNull(c);
            else
                b.appendText(c, (*pool)[draw(pool->size())]);
        });
    }

    // Texts of the movement a line belongs to (registration number, header descriptions): the extraction
    // writes the lines of one movement together, ten of them on average.
    void movementText(const std::string& name)
    {
        add(fieldOf(name, db::DataType::Text), [](db::RecordsetBuilder& b, int c, long row) {
            std::string text = "2024/CO/";
            text.append(std::to_string(row / 10)).append(" movimento di contabilita' analitica");
            b.appendText(c, text);
        });
    }

    void decimal(const std::string& name, int scale, std::int64_t range, int percentNull)
    {
        add(fieldOf(name, db::DataType::Decimal, scale), [this, range, percentNull](db::RecordsetBuilder& b, int c, long) {
            if (int(draw(100)) < percentNull)
                b.appendNull(c);
            else
                b.appendDecimal(c, std::int64_t(draw(2 * range)) - range);
        });
    }

    void integer(const std::string& name, std::int64_t low, std::int64_t high, int percentNull)
    {
        add(fieldOf(name, db::DataType::Integer), [this, low, high, percentNull](db::RecordsetBuilder& b, int c, long) {
            if (int(draw(100)) < percentNull)
                b.appendNull(c);
            else
                b.appendInt(c, low + std::int64_t(draw(std::uint64_t(high - low + 1))));
        });
    }

    void date(const std::string& name, int percentNull)
    {
        add(fieldOf(name, db::DataType::DateTime), [this, percentNull](db::RecordsetBuilder& b, int c, long) {
            if (int(draw(100)) < percentNull)
                b.appendNull(c);
            else
                b.appendDateTime(c, db::DateTime{(daysFrom2020 + std::int64_t(draw(6 * 365))) * 86'400'000});
        });
    }

    void addColumns()
    {
        // 40 texts: accounts, items, parties, projects… drawn from 10 to 20,000 values, and every seventh
        // the movement's own text, one value per movement.
        const int cardinalities[] = {10, 50, 200, 1000, 5000, 20000};
        for (int i = 0; i < 40; ++i) {
            std::string name = std::string("TXT").append(std::to_string(i));
            if (i % 7 == 6)
                movementText(name);
            else
                text(name, cardinalities[i % 7], i % 5 == 0 ? 10 : 0);
        }
        // 40 mostly NULL: columns of modules the company does not use, or that few lines fill.
        for (int i = 0; i < 10; ++i)
            decimal(std::string("NULLDEC").append(std::to_string(i)), 2, 1, 100);
        for (int i = 0; i < 10; ++i)
            text(std::string("NULLTXT").append(std::to_string(i)), 300, 98);
        for (int i = 0; i < 10; ++i)
            integer(std::string("NULLINT").append(std::to_string(i)), 1, 9999, 95);
        for (int i = 0; i < 10; ++i)
            date(std::string("NULLDAT").append(std::to_string(i)), 99);
        // 20 amounts and quantities.
        for (int i = 0; i < 20; ++i)
            decimal(std::string("AMT").append(std::to_string(i)), i % 4 == 3 ? 3 : 2, i % 2 ? 100'000'000 : 1'000'000, i % 6 == 0 ? 20 : 0);
        // 10 dates.
        for (int i = 0; i < 10; ++i)
            date(std::string("DAT").append(std::to_string(i)), i % 3 == 0 ? 30 : 0);
        // 40 integers: flags, kinds, company, year, line number, document numbers.
        const std::int64_t highs[] = {1, 4, 20, 3, 2025, 50, 9'999'999, 99'999};
        for (int i = 0; i < 40; ++i)
            integer(std::string("INT").append(std::to_string(i)), highs[i % 8] == 2025 ? 2020 : 0, highs[i % 8], 0);
    }

    static constexpr std::int64_t daysFrom2020 = 18262;
    std::mt19937_64& random_;
    std::vector<ColumnShape> columns_;
};

template <typename Work>
double averageSeconds(int times, Work work)
{
    auto start = Clock::now();
    for (int i = 0; i < times; ++i)
        work();
    return secondsSince(start) / times;
}

} // namespace

int main(int argc, char** argv)
{
    const long rows = argc > 1 ? std::stol(argv[1]) : 1'000'000;
    std::mt19937_64 random(20240131);
    MovementShape shape(random);
    std::vector<db::FieldInfo> fields;
    for (const auto& column : shape.columns())
        fields.push_back(column.field);

    long rssBefore = residentBytes();
    auto loadStart = Clock::now();
    double loadCpuStart = cpuSeconds();
    db::RecordsetBuilder builder(fields);
    for (long row = 0; row < rows; ++row) {
        for (int c = 0; c < int(shape.columns().size()); ++c)
            shape.columns()[std::size_t(c)].append(builder, c, row);
        builder.endRow();
    }
    db::Recordset rs = builder.finish();
    double loadSeconds = secondsSince(loadStart);
    double loadCpu = cpuSeconds() - loadCpuStart;
    long rssAfter = residentBytes();

    std::printf("rows x columns              %ld x %zu\n", rows, fields.size());
    std::printf("load                        %.2f s wall, %.2f s processor, %.0f rows/s of processor time\n"
                "                            (drawing the random values included)\n",
                loadSeconds, loadCpu, double(rows) / loadCpu);
    std::printf("resident growth             %.1f MiB, %.0f bytes/row\n", double(rssAfter - rssBefore) / 1048576.0,
                double(rssAfter - rssBefore) / double(rows));
    std::printf("own accounting              %.1f MiB, %.0f bytes/row\n", double(rs.dataBytes()) / 1048576.0,
                double(rs.dataBytes()) / double(rows));

    const std::string sort = "TXT1, DAT1 DESC, AMT1";
    auto sortStart = Clock::now();
    double sortCpuStart = cpuSeconds();
    rs.Sort(sort);
    std::printf("sort by 3 columns           %.3f s wall, %.3f s processor\n", secondsSince(sortStart),
                cpuSeconds() - sortCpuStart);
    db::Recordset clone = rs.Clone();
    std::printf("same sort on a clone        %.6f s (shared order)\n", averageSeconds(1, [&] { clone.Sort(sort); }));

    rs.MoveFirst();
    const std::string group = "TXT1='" + rs.value("TXT1").asText() + "' AND DAT1=#" + rs.value("DAT1").toText() + "#";
    double seek = averageSeconds(100, [&] { rs.Filter(group); });
    std::printf("group filter, sorted prefix %.6f s for %ld rows (binary search)\n", seek, rs.RecordCount());
    db::Recordset unsorted = rs.Clone();
    double scan = averageSeconds(5, [&] { unsorted.Filter(group); });
    std::printf("same filter, unsorted       %.6f s for %ld rows (scan)\n", scan, unsorted.RecordCount());
    double walk = averageSeconds(1, [&] {
        db::Decimal sum{0, 2};
        for (unsorted.Filter(""), unsorted.MoveFirst(); !unsorted.EOF_(); unsorted.MoveNext())
            sum = sum + unsorted.value("AMT1").asDecimal();
    });
    std::printf("walk and sum all rows       %.3f s\n", walk);
    return 0;
}
