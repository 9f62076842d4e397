#include "company/DemoMovement.h"

#include <array>

namespace company::demo {

namespace {

constexpr std::array<SourceCase, 13> showcase{{
    {Manual, false, false, false},
    {Imported, false, false, false},
    {Ledger, true, false, false},               // the journal entry may be changed
    {Ledger, true, true, false},                // printed in the VAT registers
    {Ledger, true, false, true},                // a line printed in the journal
    {Ledger, false, false, false},              // no journal entry
    {LedgerReconciled, true, false, false},
    {LedgerReconciled, false, false, false},
    {Warehouse, true, false, false},
    {Warehouse, false, false, false},           // no document
    {SalesDocument, true, false, false},
    {SalesDocument, false, false, false},
    {Allocation, false, false, false},
}};
constexpr long showcaseRounds = 2;

} // namespace

const SourceCase* sourceCase(long movementIndex)
{
    if (movementIndex < 0 || movementIndex >= showcaseRounds * static_cast<long>(showcase.size()))
        return nullptr;
    return &showcase[static_cast<std::size_t>(movementIndex) % showcase.size()];
}

} // namespace company::demo
