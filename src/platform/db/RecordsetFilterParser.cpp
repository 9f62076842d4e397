#include "RecordsetFilterParser.h"

#include "Error.h"
#include "RecordsetData.h"
#include "RecordsetTokenizer.h"

#include <vector>

namespace db {

namespace {

class FilterParser {
public:
    FilterParser(std::string_view source, const RecordsetData& data)
        : source_(source), tokens_(tokenize(source, "filter")), data_(data)
    {
    }

    RecordsetFilterExpr parse()
    {
        RecordsetFilterExpr expr = orTerm();
        if (peek().kind != RecordsetToken::Kind::End)
            fail("expected AND, OR or the end");
        return expr;
    }

private:
    const RecordsetToken& peek() const { return tokens_[next_]; }
    const RecordsetToken& take() { return tokens_[next_++]; }

    [[noreturn]] void fail(const std::string& expected) const
    {
        const RecordsetToken& t = peek();
        std::string found = t.kind == RecordsetToken::Kind::End ? "the end" : "'" + t.text + "'";
        throw Error("Invalid filter \"" + std::string(source_) + "\": " + expected + ", found " + found
                    + " at position " + std::to_string(t.position));
    }

    // Joins the terms that `operand` reads, separated by `keyword`, under one node of `kind`.
    template <typename Operand>
    RecordsetFilterExpr joined(std::string_view keyword, RecordsetFilterExpr::Kind kind, Operand operand)
    {
        RecordsetFilterExpr first = operand();
        if (!peek().isKeyword(keyword))
            return first;
        RecordsetFilterExpr node;
        node.kind = kind;
        node.children.push_back(std::move(first));
        while (peek().isKeyword(keyword)) {
            take();
            node.children.push_back(operand());
        }
        return node;
    }

    RecordsetFilterExpr orTerm()
    {
        return joined("OR", RecordsetFilterExpr::Kind::Or, [this] { return andTerm(); });
    }

    RecordsetFilterExpr andTerm()
    {
        return joined("AND", RecordsetFilterExpr::Kind::And, [this] { return primary(); });
    }

    RecordsetFilterExpr primary()
    {
        if (peek().kind != RecordsetToken::Kind::OpenParen)
            return clause();
        take();
        RecordsetFilterExpr inner = orTerm();
        if (peek().kind != RecordsetToken::Kind::CloseParen)
            fail("expected ')'");
        take();
        return inner;
    }

    RecordsetFilterExpr clause()
    {
        RecordsetFilterExpr node;
        node.column = field();
        node.op = comparison();
        node.literal = literal();
        return node;
    }

    int field()
    {
        const RecordsetToken& t = peek();
        if (t.kind != RecordsetToken::Kind::Word || t.isKeyword("AND") || t.isKeyword("OR") || t.isKeyword("NULL"))
            fail("expected a field name");
        int column = data_.fieldIndex(t.text);
        if (column < 0)
            throw Error("Invalid filter \"" + std::string(source_) + "\": unknown field '" + t.text + "' at position "
                        + std::to_string(t.position));
        take();
        return column;
    }

    RecordsetFilterOp comparison()
    {
        const RecordsetToken& t = peek();
        if (t.isKeyword("LIKE")) {
            take();
            return RecordsetFilterOp::Like;
        }
        static const std::vector<std::pair<std::string_view, RecordsetFilterOp>> operators = {
            {"=", RecordsetFilterOp::Equal},       {"<>", RecordsetFilterOp::NotEqual},
            {"<", RecordsetFilterOp::Less},        {">", RecordsetFilterOp::Greater},
            {"<=", RecordsetFilterOp::LessEqual},  {">=", RecordsetFilterOp::GreaterEqual}};
        if (t.kind == RecordsetToken::Kind::Operator)
            for (const auto& [text, op] : operators)
                if (t.text == text) {
                    take();
                    return op;
                }
        fail("expected a comparison operator");
    }

    RecordsetFilterLiteral literal()
    {
        const RecordsetToken& t = peek();
        RecordsetFilterLiteral value{RecordsetFilterLiteral::Kind::Null, t.text};
        switch (t.kind) {
        case RecordsetToken::Kind::Text: value.kind = RecordsetFilterLiteral::Kind::Text; break;
        case RecordsetToken::Kind::Date: value.kind = RecordsetFilterLiteral::Kind::Date; break;
        case RecordsetToken::Kind::Number: value.kind = RecordsetFilterLiteral::Kind::Number; break;
        default:
            if (!t.isKeyword("NULL"))
                fail("expected a value ('text', #date#, number or NULL)");
            value.text.clear();
        }
        take();
        return value;
    }

    std::string_view source_;
    std::vector<RecordsetToken> tokens_;
    std::size_t next_ = 0;
    const RecordsetData& data_;
};

} // namespace

RecordsetFilterExpr parseFilter(std::string_view filter, const RecordsetData& data)
{
    return FilterParser(filter, data).parse();
}

} // namespace db
