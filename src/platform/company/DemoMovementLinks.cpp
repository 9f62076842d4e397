#include "company/DemoMovement.h"

#include <cmath>

namespace company::demo {

namespace {

constexpr std::size_t allocationCandidates = 400;   // lines an allocation may draw its origins from

// The ledger account of a movement line: a cost account for a debit, a revenue account for a credit.
const std::string& ledgerAccountFor(Prng& random, const CompanyMasters& m, bool revenue)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string& account = random.pick(m.ledgerAccounts);
        if (account[0] == (revenue ? '7' : '6'))
            return account;
    }
    return m.ledgerAccounts.front();
}

// A value of an attribute of the given type (1 number, 2 text, 3 date, 4 yes/no), or NULL for about a quarter of them.
db::Value attributeValue(Prng& random, int type, long day)
{
    if (random.percent(25))
        return {};
    switch (type) {
    case 1: return db::Decimal{random.between(1, 5000), 2};
    case 2: return "CTR-" + std::to_string(dateOfDay(day).year()) + "/" + std::to_string(random.between(1, 300));
    case 3: return dateOfDay(day + random.between(5, 90));
    default: return random.percent(40);
    }
}

} // namespace

std::vector<std::string> attributeColumns()
{
    std::vector<std::string> columns = {"CO5L_GUID", "CO5L_ENTITA"};
    for (const AttributeDefinition& a : attributeDefinitions())
        columns.push_back(a.name);
    return columns;
}

void MovementLinks::write(Prng& random, const MovementHeader& header, const std::string& headerGuid,
                          const std::vector<std::string>& lineGuids, const std::vector<std::int64_t>& amounts)
{
    if (header.linkedToLedger)
        writeJournalEntry(random, header, amounts);
    if (header.linkedToDocument)
        writeDocument(random, header, amounts);
    if (header.origin == Allocation)
        writeTraces(random, header);
    if (masters_.profile->userAttributes)
        writeAttributeValues(random, header, headerGuid, lineGuids);
    remember(header);
}

// One ledger line per movement line (same number, same amount: a reversed cost line is posted in red, with
// its negative amount) and a closing line on the customer, the supplier or the bank. Some entries are printed
// in the VAT registers, some have a line printed in the journal.
void MovementLinks::writeJournalEntry(Prng& random, const MovementHeader& h, const std::vector<std::int64_t>& amounts)
{
    const int company = masters_.profile->company;
    const int decimals = masters_.amountDecimals;
    bool customer = h.customerOrSupplierKind == db::Value(0);
    bool supplier = h.customerOrSupplierKind == db::Value(1);
    bool printedInVat = h.showcase ? h.showcase->printedInVatRegisters : random.percent(20);
    tables_.journalEntries.add({company, h.number, customer ? "FV" : supplier ? "FA" : "GC", dateOfDay(h.day),
                                h.causal->description, printedInVat});
    int printedLine = 0;
    if (h.showcase)
        printedLine = h.showcase->printedInJournal ? 1 : 0;
    else if (random.percent(25))
        printedLine = static_cast<int>(random.between(1, h.lineCount));
    std::int64_t total = 0;
    for (int line = 1; line <= h.lineCount; ++line) {
        std::int64_t amount = amounts[static_cast<std::size_t>(line - 1)];
        total += amount;
        tables_.journalLines.add({company, h.number, line, 1, ledgerAccountFor(random, masters_, customer), db::Value(),
                                  db::Value(), customer ? "A" : "D", db::Decimal{amount, decimals}, line == printedLine});
    }
    std::string closing = customer ? "4010010" : supplier ? "4510010" : "3010010";
    tables_.journalLines.add({company, h.number, h.lineCount + 1, 1, closing, h.customerOrSupplierKind,
                              h.customerOrSupplier, customer ? "D" : "A", db::Decimal{total, decimals}, false});
}

// The document key is the document type, blank-padded to its four characters: a sales invoice, a goods
// receipt from a supplier, or a delivery note.
void MovementLinks::writeDocument(Prng& random, const MovementHeader& h, const std::vector<std::int64_t>& amounts)
{
    long day = h.documentDay.isNull() ? h.day : static_cast<long>(h.documentDay.asInt());
    const char* key = h.origin == SalesDocument ? "FTV " : h.customerOrSupplierKind == db::Value(1) ? "BC  " : "DDT ";
    tables_.documents.add({masters_.profile->company, h.number, key, static_cast<int>(random.between(1, 99999)),
                           dateOfDay(day), h.customerOrSupplierKind, h.customerOrSupplier});
    writeDocumentLines(random, h, amounts);
}

// One document line per movement line, of an article in a warehouse, for the line's amount.
void MovementLinks::writeDocumentLines(Prng& random, const MovementHeader& h, const std::vector<std::int64_t>& amounts)
{
    const int decimals = masters_.amountDecimals;
    for (int line = 1; line <= h.lineCount; ++line) {
        const std::int64_t amount = amounts[static_cast<std::size_t>(line - 1)];
        const long quantity = random.between(1, 50);
        const double price = static_cast<double>(amount) / static_cast<double>(quantity) / std::pow(10.0, decimals);
        tables_.documentLines.add({masters_.profile->company, h.number, line, random.pick(masters_.articles).code,
                                   random.pick(masters_.warehouses), db::Decimal{quantity, 0},
                                   db::Decimal::fromDouble(price, 4), db::Decimal{amount, decimals}});
    }
}

// Each line of an allocation receives one or two shares of lines registered before it; allocation lines
// join the candidates in turn, so traces form chains in both directions.
void MovementLinks::writeTraces(Prng& random, const MovementHeader& h)
{
    if (recentLines_.empty())
        return;
    for (int line = 1; line <= h.lineCount; ++line) {
        long count = recentLines_.size() > 1 && random.percent(40) ? 2 : 1;
        long first = random.below(static_cast<long>(recentLines_.size()));
        for (long i = 0; i < count; ++i) {
            const LineKey& origin = recentLines_[static_cast<std::size_t>((first + i) % static_cast<long>(recentLines_.size()))];
            tables_.traces.add({masters_.profile->company, origin.number, origin.line, h.number, line,
                                db::Decimal{count == 1 ? 1000000 : 500000, 4}});
        }
    }
}

void MovementLinks::writeAttributeValues(Prng& random, const MovementHeader& h, const std::string& headerGuid,
                                         const std::vector<std::string>& lineGuids)
{
    const auto& definitions = attributeDefinitions();
    auto writeRow = [&](const std::string& guid, int entity) {
        std::vector<db::Value> row = {guid, entity};
        for (const AttributeDefinition& a : definitions)
            row.push_back(a.entity == entity ? attributeValue(random, a.type, h.day) : db::Value());
        tables_.attributes.add(std::move(row));
    };
    if (random.percent(60))
        writeRow(headerGuid, 29);
    for (const std::string& guid : lineGuids)
        if (random.percent(45))
            writeRow(guid, 30);
}

void MovementLinks::remember(const MovementHeader& h)
{
    for (int line = 1; line <= h.lineCount; ++line) {
        recentLines_.push_back({h.number, line});
        if (recentLines_.size() > allocationCandidates)
            recentLines_.pop_front();
    }
}

} // namespace company::demo
