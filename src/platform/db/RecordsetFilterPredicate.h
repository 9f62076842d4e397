#pragma once
// Tests rows against a parsed filter. Built once per Filter, then asked row by row, so the conversion of
// values and the work on texts happen once: every text clause is decided per dictionary entry in advance,
// and a row's test is a look-up of its code.
//
// A NULL field satisfies only "= NULL"; every other comparison with it is false (as in SQL), and "<> NULL"
// is true for every other row. A NULL text is the empty text instead (RecordsetOrderKey.h): "= NULL" and
// "= ''" both find NULL, empty and blank texts. Texts compare under the company database's collation
// (RecordsetDictionary.h); LIKE matches without regard to case and takes '*' or '%' for any run of
// characters, wherever they stand.

#include "RecordsetFilterExpr.h"
#include "RecordsetOrderKey.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace db {

class RecordsetData;

class RecordsetFilterPredicate {
public:
    RecordsetFilterPredicate(const RecordsetFilterExpr& expr, const RecordsetData& data);
    bool operator()(std::uint32_t row) const { return accepts(root_, row); }

private:
    struct Node {
        enum class Test { All, Any, IsNull, IsNotNull, ByCode, ByKey };
        Test test = Test::All;
        std::vector<Node> children;                // All (AND), Any (OR)
        int column = -1;
        RecordsetFilterOp op = RecordsetFilterOp::Equal;
        std::vector<char> acceptedCodes;           // ByCode
        bool nullAccepted = false;                 // ByCode: whether a NULL text (the empty text) passes
        std::optional<RecordsetKeyReader> reader;  // ByKey
        RecordsetKeyBound bound;
    };

    Node compile(const RecordsetFilterExpr& expr) const;
    Node compileClause(const RecordsetFilterExpr& clause) const;
    bool accepts(const Node& node, std::uint32_t row) const;

    const RecordsetData& data_;
    Node root_;
};

} // namespace db
