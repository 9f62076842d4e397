#pragma once
// The key table of the group tree (RecordsetChiavi) and its node counter (ContatoreChiavi). Every node of
// the tree has one row: the group's values in the columns of its levels, NULL in the deeper ones, and its
// number in CHIAVE. A new group finds the node of its parent group here.
//
// The table stays an in-memory record set, as the report and the navigation read it; beside it an index
// from a level and its values to the nodes stored with them answers the parent look-up in constant time,
// where a filter of the table per new node would grow with the tree.

#include "db/Recordset.h"
#include "engine/BreakLevels.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace quorvane {

struct GeneratedKey {
    std::string key;       // "*" and the node number
    std::string filter;    // the movement filter that selects the group's rows
};

class BreakKeys {
public:
    // ConfiguraChiavi: an empty table with one column per level, typed after it, then CHIAVE. Throws
    // std::invalid_argument for a level on a column the movement set lacks.
    void ConfiguraChiavi(const ArrayRotture& levels, const db::Recordset& movements);

    // GenerazioneChiave: stores the node of `level` (1-based) for the values now in the levels' Valore and
    // builds its movement filter; `first` restarts the numbering at 1.
    GeneratedKey GenerazioneChiave(int level, bool first, const ArrayRotture& levels);

    // RecuperoChiave: the key of the one node stored for `level` with the values now in Valore, or empty
    // text when there is none or more than one.
    std::string RecuperoChiave(int level, const ArrayRotture& levels) const;

    db::Recordset& RecordsetChiavi() { return table_; }
    long ContatoreChiavi() const { return counter_; }

private:
    struct StoredNodes {
        int count = 0;
        long number = 0;                            // the node's number when count is 1
    };

    db::Value storedValue(std::size_t levelIndex, const db::Value& value) const;
    std::string indexKey(int level, const ArrayRotture& levels) const;

    db::Recordset table_;
    std::vector<db::FieldInfo> columns_;            // one per level
    long counter_ = 0;
    std::unordered_map<std::string, StoredNodes> index_;
};

} // namespace quorvane
