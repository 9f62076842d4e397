#include "report/formula/Parser.h"

#include "report/formula/Lexer.h"

#include <array>
#include <string>
#include <optional>

namespace report::formula {

namespace {

struct BinaryOperator {
    const char* spelling;   // a symbol, or a keyword for And and Or
    Op op;
    int precedence;
};

// Lowest first. Not sits between And and the comparisons; unary minus binds tighter than every one.
constexpr int notPrecedence = 3;
constexpr int unaryPrecedence = 8;
constexpr std::array<BinaryOperator, 13> binaryOperators{{
    {"Or", Op::Or, 1},       {"And", Op::And, 2},
    {"=", Op::Equal, 4},     {"<>", Op::NotEqual, 4}, {"<", Op::Less, 4},       {">", Op::Greater, 4},
    {"<=", Op::LessEqual, 4}, {">=", Op::GreaterEqual, 4},
    {"&", Op::Concat, 5},    {"+", Op::Add, 6},       {"-", Op::Subtract, 6},
    {"*", Op::Multiply, 7},  {"/", Op::Divide, 7},
}};

struct Declaration {
    const char* keyword;
    ValueType type;
};
constexpr std::array<Declaration, 4> declarations{{{"NumberVar", ValueType::Number},
                                                   {"StringVar", ValueType::Text},
                                                   {"BooleanVar", ValueType::Boolean},
                                                   {"DateVar", ValueType::Date}}};

constexpr std::array<const char*, 16> reservedWords{"If", "Then", "Else", "Select", "Case", "Default", "To", "Is",
                                                    "And", "Or", "Not", "True", "False", "Local", "Global",
                                                    "Shared"};

// Deeper nesting than this is no formula of a report: refuse it instead of exhausting the stack.
constexpr int maxNesting = 200;

NodePtr makeNode(NodeKind kind, Span span)
{
    auto node = std::make_unique<Node>();
    node->kind = kind;
    node->span = span;
    return node;
}

Span joined(Span from, Span to)
{
    return {from.offset, std::max(from.offset + from.length, to.offset + to.length) - from.offset};
}

class Parser {
public:
    Parser(std::string_view name, std::string_view text) : name_(name), text_(text), tokens_(tokenize(name, text)) {}

    NodePtr run()
    {
        NodePtr formula = sequence(peek().span);
        if (peek().kind != Token::Kind::End)
            fail(peek(), "expected ';' or the end of the formula");
        return formula;
    }

private:
    // Counts the nesting of expressions while a parse function runs.
    class Nesting {
    public:
        explicit Nesting(Parser& parser) : parser_(parser)
        {
            if (++parser_.depth_ > maxNesting)
                parser_.fail(parser_.peek(), "the formula is nested more than " + std::to_string(maxNesting) + " levels deep");
        }
        ~Nesting() { --parser_.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        Parser& parser_;
    };

    const Token& peek(std::size_t ahead = 0) const { return tokens_[std::min(at_ + ahead, tokens_.size() - 1)]; }
    const Token& advance() { return tokens_[at_ < tokens_.size() - 1 ? at_++ : at_]; }

    [[noreturn]] void fail(const Token& token, const std::string& problem) const
    {
        std::string found = token.kind == Token::Kind::End ? "the end of the formula" : "'" + token.text + "'";
        if (token.kind == Token::Kind::String)
            found = "a string";
        throw FormulaError(name_, text_, token.span, problem + ", found " + found);
    }

    void expectSymbol(std::string_view symbol)
    {
        if (!peek().isSymbol(symbol))
            fail(peek(), "expected '" + std::string(symbol) + "'");
        advance();
    }

    void expectKeyword(std::string_view keyword)
    {
        if (!peek().isKeyword(keyword))
            fail(peek(), "expected " + std::string(keyword));
        advance();
    }

    static bool reserved(const Token& token)
    {
        for (const char* word : reservedWords)
            if (token.isKeyword(word))
                return true;
        for (const Declaration& d : declarations)
            if (token.isKeyword(d.keyword))
                return true;
        return false;
    }

    // Statements up to the end of the text or a closing parenthesis.
    NodePtr sequence(Span start)
    {
        NodePtr node = makeNode(NodeKind::Sequence, {start.offset, 0});
        while (peek().kind != Token::Kind::End && !peek().isSymbol(")")) {
            node->children.push_back(statement());
            if (!peek().isSymbol(";"))
                break;
            advance();
        }
        if (!node->children.empty())
            node->span = joined(node->children.front()->span, node->children.back()->span);
        return node;
    }

    NodePtr statement()
    {
        while (peek().isKeyword("Local") || peek().isKeyword("Global") || peek().isKeyword("Shared"))
            advance();
        for (const Declaration& d : declarations)
            if (peek().isKeyword(d.keyword))
                return declaration(d.type);
        if (peek().kind == Token::Kind::Name && !reserved(peek()) && peek(1).isSymbol(":="))
            return assignment();
        return expression();
    }

    NodePtr declaration(ValueType type)
    {
        const Token& keyword = advance();
        if (peek().kind != Token::Kind::Name || reserved(peek()))
            fail(peek(), "expected the name of the variable");
        NodePtr node = makeNode(NodeKind::Declare, joined(keyword.span, peek().span));
        node->name = advance().text;
        node->declared = type;
        if (peek().isSymbol(":=")) {
            advance();
            node->children.push_back(expression());
            node->span = joined(node->span, node->children.back()->span);
        }
        return node;
    }

    NodePtr assignment()
    {
        const Token& target = advance();
        advance();   // :=
        NodePtr node = makeNode(NodeKind::Assign, target.span);
        node->name = target.text;
        node->children.push_back(expression());
        node->span = joined(target.span, node->children.back()->span);
        return node;
    }

    NodePtr expression()
    {
        const Nesting nesting(*this);
        if (peek().isKeyword("If"))
            return ifExpression();
        if (peek().isKeyword("Select"))
            return selectExpression();
        return binary(1);
    }

    NodePtr ifExpression()
    {
        NodePtr node = makeNode(NodeKind::If, advance().span);
        node->children.push_back(expression());
        expectKeyword("Then");
        node->children.push_back(statement());
        if (peek().isKeyword("Else")) {
            advance();
            node->children.push_back(statement());
        }
        node->span = joined(node->span, node->children.back()->span);
        return node;
    }

    NodePtr selectExpression()
    {
        NodePtr node = makeNode(NodeKind::Select, advance().span);
        node->children.push_back(expression());
        if (!peek().isKeyword("Case") && !peek().isKeyword("Default"))
            fail(peek(), "expected Case");
        while (peek().isKeyword("Case")) {
            advance();
            node->cases.push_back(caseLabels());
            expectSymbol(":");
            node->children.push_back(statement());
        }
        if (peek().isKeyword("Default")) {
            advance();
            expectSymbol(":");
            node->children.push_back(statement());
            node->hasDefault = true;
        }
        node->span = joined(node->span, node->children.back()->span);
        return node;
    }

    std::vector<CaseLabel> caseLabels()
    {
        std::vector<CaseLabel> labels;
        do {
            if (!labels.empty())
                advance();   // ,
            CaseLabel label;
            if (peek().isKeyword("Is")) {
                advance();
                auto op = binaryOperatorAt(peek());
                if (!op || op->precedence != 4)
                    fail(peek(), "expected a comparison after Is");
                advance();
                label.kind = CaseLabel::Kind::Compare;
                label.op = op->op;
                label.low = binary(5);
            } else {
                label.low = binary(5);
                if (peek().isKeyword("To")) {
                    advance();
                    label.kind = CaseLabel::Kind::Range;
                    label.high = binary(5);
                }
            }
            labels.push_back(std::move(label));
        } while (peek().isSymbol(","));
        return labels;
    }

    static std::optional<BinaryOperator> binaryOperatorAt(const Token& token)
    {
        for (const BinaryOperator& o : binaryOperators)
            if (token.isSymbol(o.spelling) || token.isKeyword(o.spelling))
                return o;
        return std::nullopt;
    }

    // Precedence climbing: operators at `minimum` or above, left-associative.
    NodePtr binary(int minimum)
    {
        NodePtr left = unary();
        for (auto o = binaryOperatorAt(peek()); o && o->precedence >= minimum; o = binaryOperatorAt(peek())) {
            advance();
            NodePtr node = makeNode(NodeKind::Binary, {});
            node->op = o->op;
            node->children.push_back(std::move(left));
            node->children.push_back(binary(o->precedence + 1));
            node->span = joined(node->children[0]->span, node->children[1]->span);
            left = std::move(node);
        }
        return left;
    }

    NodePtr unary()
    {
        const Nesting nesting(*this);
        if (peek().isKeyword("Not") || peek().isSymbol("-")) {
            const bool negation = peek().isKeyword("Not");
            NodePtr node = makeNode(NodeKind::Unary, advance().span);
            node->op = negation ? Op::Not : Op::Negate;
            node->children.push_back(binary(negation ? notPrecedence + 1 : unaryPrecedence));
            node->span = joined(node->span, node->children[0]->span);
            return node;
        }
        return primary();
    }

    NodePtr primary()
    {
        const Token& token = peek();
        switch (token.kind) {
        case Token::Kind::Number: return literal(Value(*Number::parse(advance().text)));
        case Token::Kind::String: return literal(Value(advance().text));
        case Token::Kind::Field: return reference(NodeKind::Field);
        case Token::Kind::FormulaRef: return reference(NodeKind::FormulaRef);
        case Token::Kind::ParameterRef: return reference(NodeKind::Parameter);
        case Token::Kind::Symbol:
            if (token.isSymbol("(")) {
                const Span open = advance().span;
                NodePtr inside = sequence(open);
                const Span close = peek().span;
                expectSymbol(")");
                inside->span = joined(open, close);
                return inside;
            }
            break;
        case Token::Kind::Name:
            if (token.isKeyword("True") || token.isKeyword("False"))
                return literal(Value(advance().isKeyword("True")));
            if (token.isKeyword("If") || token.isKeyword("Select"))
                return expression();
            if (!reserved(token))
                return peek(1).isSymbol("(") ? call() : reference(NodeKind::Variable);
            break;
        case Token::Kind::End: break;
        }
        fail(token, "expected a value");
    }

    NodePtr literal(Value value)
    {
        NodePtr node = makeNode(NodeKind::Literal, tokens_[at_ - 1].span);
        node->literal = std::move(value);
        return node;
    }

    NodePtr reference(NodeKind kind)
    {
        const Token& token = advance();
        NodePtr node = makeNode(kind, token.span);
        node->name = token.text;
        return node;
    }

    NodePtr call()
    {
        const Token& name = advance();
        NodePtr node = makeNode(NodeKind::Call, name.span);
        node->name = name.text;
        advance();   // (
        if (!peek().isSymbol(")")) {
            node->children.push_back(expression());
            while (peek().isSymbol(",")) {
                advance();
                node->children.push_back(expression());
            }
        }
        const Span close = peek().span;
        expectSymbol(")");
        node->span = joined(name.span, close);
        return node;
    }

    std::string_view name_;
    std::string_view text_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

} // namespace

NodePtr parseFormula(std::string_view formulaName, std::string_view text)
{
    return Parser(formulaName, text).run();
}

} // namespace report::formula
