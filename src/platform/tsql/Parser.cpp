#include "tsql/Parser.h"

#include "tsql/Dialect.h"
#include "tsql/Lexer.h"

#include <cctype>
#include <charconv>

namespace tsql {

namespace {

// Deeper nesting than this is no statement of the system: refuse it instead of exhausting the stack.
constexpr int maxNesting = 200;
// Operators of one precedence build a tree one level deeper per operand, and every step after the parser
// (the checker, the printer, SQLite, which refuses trees deeper than 1000) walks that depth: operands of
// chained operators, counted across the chains inside one another, are refused past this many.
constexpr int maxChainedOperands = 500;

bool equalsWord(const std::string& text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    return true;
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class Parser {
public:
    Parser(std::string_view text) : text_(text), tokens_(tokenize(text)) {}

    std::vector<Statement> parseAll()
    {
        std::vector<Statement> statements;
        for (;;) {
            while (current().isOperator(";") || current().is(Keyword::Go))
                ++pos_;
            if (current().kind == TokenKind::End)
                return statements;
            statements.push_back(parseStatement());
        }
    }

private:
    std::string_view text_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    int depth_ = 0;

    // Counts nesting of expressions and queries while a parse function runs.
    struct Nesting {
        explicit Nesting(Parser& parser) : parser_(parser)
        {
            if (++parser_.depth_ > maxNesting)
                parser_.fail("statement nested too deeply at");
        }
        ~Nesting() { --parser_.depth_; }
        Parser& parser_;
    };

    // Counts the operands of a chain of operators of one precedence while it is parsed.
    class Chain {
    public:
        Chain(Parser& parser, std::string operators) : parser_(parser), operators_(std::move(operators)) {}
        ~Chain() { parser_.chained_ -= length_; }
        Chain(const Chain&) = delete;
        Chain& operator=(const Chain&) = delete;
        void another()
        {
            ++length_;
            if (++parser_.chained_ > maxChainedOperands)
                parser_.fail("expression too deep for the engine: more than " + std::to_string(maxChainedOperands)
                             + " operands joined by " + operators_ + " at");
        }

    private:
        Parser& parser_;
        std::string operators_;
        int length_ = 0;
    };
    int chained_ = 0;

    const Token& current() const { return tokens_[pos_]; }
    const Token& next() const { return tokens_[std::min(pos_ + 1, tokens_.size() - 1)]; }
    Position position() const { return {current().line, current().column}; }

    static std::string describe(const Token& token)
    {
        if (token.kind == TokenKind::End)
            return "end of text";
        if (token.kind == TokenKind::String || token.kind == TokenKind::NString)
            return "string '" + token.text + "'";
        return "'" + token.text + "'";
    }

    [[noreturn]] void fail(const std::string& message) const
    {
        throw Error(message + " " + describe(current()), current().line, current().column);
    }

    [[noreturn]] void unsupported(const std::string& construct) const { unsupportedAt(construct, position()); }

    [[noreturn]] static void unsupportedAt(const std::string& construct, Position pos)
    {
        throw Error(construct + " is not supported", pos.line, pos.column);
    }

    // An unquoted word, in upper case, or "" for any other token.
    std::string word(const Token& token) const
    {
        return token.kind == TokenKind::Identifier && !token.quoted ? upper(token.text) : std::string();
    }

    // Refuses the constructs a query can continue with that the subset lacks, by name.
    void refuseQueryContinuation()
    {
        std::string next = word(current());
        if (next == "EXCEPT" || next == "INTERSECT" || next == "OPTION" || next == "OFFSET")
            unsupported(next);
        if (next == "FOR")
            unsupported("FOR " + word(this->next()));
        if (current().is(Keyword::Union))
            unsupported("UNION");
    }

    bool accept(Keyword keyword)
    {
        if (!current().is(keyword))
            return false;
        ++pos_;
        return true;
    }

    bool acceptOperator(std::string_view op)
    {
        if (!current().isOperator(op))
            return false;
        ++pos_;
        return true;
    }

    bool acceptWord(std::string_view word)
    {
        if (current().kind != TokenKind::Identifier || current().quoted || !equalsWord(current().text, word))
            return false;
        ++pos_;
        return true;
    }

    void expect(Keyword keyword)
    {
        if (!accept(keyword))
            fail("expected " + std::string(keywordName(keyword)) + " but found");
    }

    void expectOperator(std::string_view op)
    {
        if (!acceptOperator(op))
            fail("expected '" + std::string(op) + "' but found");
    }

    std::string expectIdentifier(const char* what)
    {
        if (current().kind != TokenKind::Identifier)
            fail(std::string("expected ") + what + " but found");
        return tokens_[pos_++].text;
    }

    // [schema.]name: the schema (dbo) is dropped, the engine has one.
    std::string parseObjectName(const char* what)
    {
        std::string name = expectIdentifier(what);
        while (current().isOperator(".") && next().kind == TokenKind::Identifier) {
            ++pos_;
            name = expectIdentifier(what);
        }
        return name;
    }

    Statement parseStatement()
    {
        Nesting nesting(*this);
        size_t first = pos_;
        switch (current().kind == TokenKind::Keyword ? current().keyword : Keyword::None) {
        case Keyword::Select:
            return SelectStatement{parseSelect()};
        case Keyword::Create:
            return parseCreate(first);
        case Keyword::Insert:
            return parseInsert();
        case Keyword::Drop:
            return parseDrop();
        case Keyword::Update:
            unsupported("UPDATE");
        case Keyword::Delete:
            unsupported("DELETE");
        case Keyword::Set:
            unsupported("SET");
        case Keyword::With:
            unsupported("a common table expression (WITH)");
        default:
            break;
        }
        static constexpr std::string_view statements[] = {"ALTER", "BEGIN", "COMMIT", "DECLARE", "EXEC", "EXECUTE",
                                                           "IF", "MERGE", "PRINT", "ROLLBACK", "TRUNCATE", "USE",
                                                           "WHILE"};
        for (std::string_view statement : statements)
            if (word(current()) == statement)
                unsupported(std::string(statement));
        fail("expected a statement but found");
    }

    // The T-SQL text from token `first` to the last consumed token, as a view or function definition.
    std::string sourceText(size_t first) const
    {
        const Token& last = tokens_[pos_ - 1];
        return std::string(text_.substr(tokens_[first].offset, last.offset + last.length - tokens_[first].offset));
    }

    Statement parseCreate(size_t first)
    {
        Position pos = position();
        expect(Keyword::Create);
        if (accept(Keyword::Table))
            return parseCreateTable(pos);
        if (accept(Keyword::View)) {
            CreateView view;
            view.pos = pos;
            view.name = parseObjectName("a view name");
            expect(Keyword::As);
            view.select = parseSelect();
            view.definition = sourceText(first);
            return view;
        }
        if (accept(Keyword::Function))
            return parseCreateFunction(pos, first);
        bool unique = accept(Keyword::Unique);
        if (!acceptWord("NONCLUSTERED"))
            acceptWord("CLUSTERED");
        if (accept(Keyword::Index))
            return parseCreateIndex(pos, unique);
        fail("expected TABLE, VIEW, FUNCTION or INDEX after CREATE but found");
    }

    Statement parseCreateTable(Position pos)
    {
        CreateTable table;
        table.pos = pos;
        table.name = parseObjectName("a table name");
        expectOperator("(");
        do {
            if (current().is(Keyword::Constraint) || current().is(Keyword::Primary))
                table.primaryKey = parseTableKey();
            else
                table.columns.push_back(parseColumnDefinition());
        } while (acceptOperator(","));
        expectOperator(")");
        return table;
    }

    // [CONSTRAINT name] PRIMARY KEY [CLUSTERED|NONCLUSTERED] (columns)
    std::vector<std::string> parseTableKey()
    {
        if (accept(Keyword::Constraint))
            expectIdentifier("a constraint name");
        expect(Keyword::Primary);
        expect(Keyword::Key);
        if (!acceptWord("CLUSTERED"))
            acceptWord("NONCLUSTERED");
        return parseColumnList(true);
    }

    // (a [ASC|DESC], b, ...)
    std::vector<std::string> parseColumnList(bool allowDirection)
    {
        std::vector<std::string> columns;
        expectOperator("(");
        do {
            columns.push_back(expectIdentifier("a column name"));
            if (allowDirection && !accept(Keyword::Asc))
                accept(Keyword::Desc);
        } while (acceptOperator(","));
        expectOperator(")");
        return columns;
    }

    ColumnDefinition parseColumnDefinition()
    {
        ColumnDefinition column;
        column.pos = position();
        column.name = expectIdentifier("a column name");
        column.type = parseTypeName();
        for (;;) {
            if (accept(Keyword::Null)) {
                column.notNull = false;
            } else if (current().is(Keyword::Not) && next().is(Keyword::Null)) {
                pos_ += 2;
                column.notNull = true;
            } else if (accept(Keyword::Primary)) {
                expect(Keyword::Key);
                if (!acceptWord("CLUSTERED"))
                    acceptWord("NONCLUSTERED");
                column.primaryKey = true;
            } else if (accept(Keyword::Default)) {
                column.defaultValue = parseUnary();
            } else if (acceptWord("IDENTITY")) {
                unsupported("an IDENTITY column");
            } else {
                return column;
            }
        }
    }

    // NAME, NAME(n), NAME(MAX), NAME(p, s)
    TypeName parseTypeName()
    {
        TypeName type;
        type.pos = position();
        type.name = expectIdentifier("a data type");
        if (!acceptOperator("("))
            return type;
        type.first = parseTypeArgument();
        type.argumentCount = 1;
        if (acceptOperator(",")) {
            type.second = parseTypeArgument();
            type.argumentCount = 2;
        }
        expectOperator(")");
        return type;
    }

    int parseTypeArgument()
    {
        if (acceptWord("MAX"))
            return -1;
        if (current().kind != TokenKind::Integer)
            fail("expected a number in the data type but found");
        int value = 0;
        auto [end, error] = std::from_chars(current().text.data(), current().text.data() + current().text.size(), value);
        if (error != std::errc() || value > 8000)
            fail("invalid size in the data type:");
        ++pos_;
        return value;
    }

    Statement parseCreateIndex(Position pos, bool unique)
    {
        CreateIndex index;
        index.pos = pos;
        index.unique = unique;
        index.name = expectIdentifier("an index name");
        expect(Keyword::On);
        index.table = parseObjectName("a table name");
        index.columns = parseColumnList(true);
        return index;
    }

    // CREATE FUNCTION name(@p type, ...) RETURNS TABLE AS RETURN (SELECT ...)
    Statement parseCreateFunction(Position pos, size_t first)
    {
        CreateFunction function;
        function.pos = pos;
        function.name = parseObjectName("a function name");
        expectOperator("(");
        if (!current().isOperator(")")) {
            do {
                if (current().kind != TokenKind::Variable)
                    fail("expected a parameter name (@name) but found");
                Parameter parameter;
                parameter.name = upper(tokens_[pos_++].text);
                parameter.type = parseTypeName();
                function.parameters.push_back(std::move(parameter));
            } while (acceptOperator(","));
        }
        expectOperator(")");
        expect(Keyword::Returns);
        if (!accept(Keyword::Table))
            unsupported("a function that does not return a TABLE");
        expect(Keyword::As);
        expect(Keyword::Return);
        bool parenthesized = acceptOperator("(");
        function.body = parseSelect();
        if (parenthesized)
            expectOperator(")");
        function.definition = sourceText(first);
        return function;
    }

    Statement parseInsert()
    {
        Insert insert;
        insert.pos = position();
        expect(Keyword::Insert);
        accept(Keyword::Into);
        insert.table = parseObjectName("a table name");
        if (current().isOperator("("))
            insert.columns = parseColumnList(false);
        if (current().is(Keyword::Select)) {
            insert.select = std::make_unique<Select>(parseSelect());
            return insert;
        }
        expect(Keyword::Values);
        do {
            expectOperator("(");
            std::vector<ExprPtr> row;
            do {
                row.push_back(parseExpression());
            } while (acceptOperator(","));
            expectOperator(")");
            insert.rows.push_back(std::move(row));
        } while (acceptOperator(","));
        return insert;
    }

    Statement parseDrop()
    {
        DropObject drop;
        drop.pos = position();
        expect(Keyword::Drop);
        if (accept(Keyword::Table))
            drop.kind = DropObject::Kind::Table;
        else if (accept(Keyword::View))
            drop.kind = DropObject::Kind::View;
        else if (accept(Keyword::Function))
            drop.kind = DropObject::Kind::Function;
        else
            fail("expected TABLE, VIEW or FUNCTION after DROP but found");
        drop.name = parseObjectName("a name");
        return drop;
    }

    Select parseSelect()
    {
        Nesting nesting(*this);
        Select select;
        select.pos = position();
        expect(Keyword::Select);
        if (!accept(Keyword::Distinct))
            accept(Keyword::All);
        else
            select.distinct = true;
        if (accept(Keyword::Top))
            select.top = parseTop();
        do {
            select.items.push_back(parseSelectItem());
        } while (acceptOperator(","));
        if (current().is(Keyword::Into)) {
            ++pos_;
            select.intoPos = position();
            select.into = parseObjectName("a table name");
        }
        if (accept(Keyword::From))
            parseFrom(select.from);
        if (accept(Keyword::Where))
            select.where = parseExpression();
        if (accept(Keyword::Group)) {
            expect(Keyword::By);
            std::string grouping = word(current());
            if (grouping == "ROLLUP" || grouping == "CUBE" || grouping == "GROUPING")
                unsupported("GROUP BY " + grouping);
            do {
                select.groupBy.push_back(parseExpression());
            } while (acceptOperator(","));
            if (current().is(Keyword::With))
                unsupported("WITH " + word(next()));
        }
        if (accept(Keyword::Having))
            select.having = parseExpression();
        if (accept(Keyword::Order)) {
            expect(Keyword::By);
            do {
                OrderItem item;
                item.expr = parseExpression();
                if (accept(Keyword::Desc))
                    item.descending = true;
                else
                    accept(Keyword::Asc);
                select.orderBy.push_back(std::move(item));
            } while (acceptOperator(","));
        }
        refuseQueryContinuation();
        return select;
    }

    ExprPtr parseTop()
    {
        ExprPtr top;
        if (acceptOperator("(")) {
            top = parseExpression();
            expectOperator(")");
        } else {
            if (current().kind != TokenKind::Integer)
                fail("expected a number after TOP but found");
            top = parsePrimary();
        }
        if (current().is(Keyword::Percent))
            unsupported("TOP ... PERCENT");
        if (current().is(Keyword::With))
            unsupported("TOP ... WITH TIES");
        return top;
    }

    bool atAlias() const
    {
        return current().kind == TokenKind::Identifier || current().kind == TokenKind::String;
    }

    SelectItem parseSelectItem()
    {
        SelectItem item;
        item.pos = position();
        if (acceptOperator("*"))
            return item;
        if (current().kind == TokenKind::Identifier && next().isOperator(".")
            && tokens_[std::min(pos_ + 2, tokens_.size() - 1)].isOperator("*")) {
            item.starQualifier = current().text;
            pos_ += 3;
            return item;
        }
        if (current().kind == TokenKind::Variable && next().isOperator("="))
            unsupported("assigning a variable in a SELECT");
        if (current().kind == TokenKind::Identifier && next().isOperator("=")) {  // alias = expression
            item.alias = tokens_[pos_].text;
            pos_ += 2;
            item.expr = parseExpression();
            return item;
        }
        item.expr = parseExpression();
        if (accept(Keyword::As)) {
            if (!atAlias())
                fail("expected a column alias but found");
            item.alias = tokens_[pos_++].text;
        } else if (atAlias()) {
            item.alias = tokens_[pos_++].text;
        }
        return item;
    }

    void parseFrom(std::vector<TableRef>& from)
    {
        from.push_back(parseTableSource(JoinKind::First));
        for (;;) {
            JoinKind kind = parseJoinKind();
            if (kind == JoinKind::First)
                return;
            TableRef ref = kind == JoinKind::CrossApply || kind == JoinKind::OuterApply ? parseApplySource(kind)
                                                                                         : parseTableSource(kind);
            if (kind == JoinKind::Inner || kind == JoinKind::Left || kind == JoinKind::Right || kind == JoinKind::Full) {
                expect(Keyword::On);
                ref.on = parseExpression();
            }
            from.push_back(std::move(ref));
        }
    }

    // The join operator before the next source, or JoinKind::First when the FROM clause ends.
    JoinKind parseJoinKind()
    {
        if (acceptOperator(","))
            return JoinKind::Cross;
        if (accept(Keyword::Join))
            return JoinKind::Inner;
        if (accept(Keyword::Inner)) {
            expect(Keyword::Join);
            return JoinKind::Inner;
        }
        for (auto [keyword, kind] : {std::pair{Keyword::Left, JoinKind::Left}, std::pair{Keyword::Right, JoinKind::Right},
                                     std::pair{Keyword::Full, JoinKind::Full}}) {
            if (accept(keyword)) {
                accept(Keyword::Outer);
                expect(Keyword::Join);
                return kind;
            }
        }
        if (accept(Keyword::Cross)) {
            if (accept(Keyword::Apply))
                return JoinKind::CrossApply;
            expect(Keyword::Join);
            return JoinKind::Cross;
        }
        if (current().is(Keyword::Outer) && next().is(Keyword::Apply)) {
            pos_ += 2;
            return JoinKind::OuterApply;
        }
        return JoinKind::First;
    }

    TableRef parseTableSource(JoinKind kind)
    {
        TableRef ref;
        ref.join = kind;
        ref.pos = position();
        if (acceptOperator("(")) {
            if (!current().is(Keyword::Select))
                unsupported("a parenthesized join");
            ref.derived = std::make_unique<Select>(parseSelect());
            expectOperator(")");
            ref.alias = parseAlias();
            if (ref.alias.empty())
                fail("a derived table needs an alias; found");
            return ref;
        }
        if (current().kind == TokenKind::Variable)
            unsupported("a table variable");
        ref.name = parseObjectName("a table name");
        if (current().isOperator("("))
            unsupported("a table function outside CROSS APPLY / OUTER APPLY");
        ref.alias = parseAlias();
        parseTableHints();
        return ref;
    }

    TableRef parseApplySource(JoinKind kind)
    {
        TableRef ref;
        ref.join = kind;
        ref.pos = position();
        if (current().isOperator("("))
            unsupported("APPLY of a subquery");
        ref.name = parseObjectName("a function name");
        ref.isFunction = true;
        expectOperator("(");
        if (!current().isOperator(")")) {
            do {
                ref.args.push_back(parseExpression());
            } while (acceptOperator(","));
        }
        expectOperator(")");
        ref.alias = parseAlias();
        return ref;
    }

    std::string parseAlias()
    {
        std::string operatorWord = word(current());
        if (operatorWord == "PIVOT" || operatorWord == "UNPIVOT" || operatorWord == "TABLESAMPLE")
            unsupported(operatorWord);
        bool hasAs = accept(Keyword::As);
        if (current().kind == TokenKind::Identifier)
            return tokens_[pos_++].text;
        if (hasAs)
            fail("expected an alias but found");
        return {};
    }

    // WITH (NOLOCK) and its relatives: the embedded engine has no locking hints, so they are dropped.
    void parseTableHints()
    {
        if (!current().is(Keyword::With))
            return;
        ++pos_;
        expectOperator("(");
        do {
            static constexpr std::string_view known[] = {"NOLOCK", "READUNCOMMITTED", "READCOMMITTED", "ROWLOCK",
                                                           "PAGLOCK", "HOLDLOCK", "NOWAIT", "READPAST"};
            bool found = false;
            for (std::string_view hint : known)
                found = found || acceptWord(hint);
            if (!found)
                fail("unsupported table hint");
        } while (acceptOperator(","));
        expectOperator(")");
    }

    // expression := or
    ExprPtr parseExpression()
    {
        Nesting nesting(*this);
        return parseOr();
    }

    ExprPtr binary(std::string op, Position pos, ExprPtr left, ExprPtr right)
    {
        ExprPtr node = Expr::make(ExprKind::Binary, pos, std::move(op));
        node->args.push_back(std::move(left));
        node->args.push_back(std::move(right));
        return node;
    }

    ExprPtr parseOr()
    {
        ExprPtr left = parseAnd();
        Chain chain(*this, "OR");
        while (current().is(Keyword::Or)) {
            chain.another();
            Position pos = position();
            ++pos_;
            left = binary("OR", pos, std::move(left), parseAnd());
        }
        return left;
    }

    ExprPtr parseAnd()
    {
        ExprPtr left = parseNot();
        Chain chain(*this, "AND");
        while (current().is(Keyword::And)) {
            chain.another();
            Position pos = position();
            ++pos_;
            left = binary("AND", pos, std::move(left), parseNot());
        }
        return left;
    }

    ExprPtr parseNot()
    {
        if (!current().is(Keyword::Not))
            return parsePredicate();
        Nesting nesting(*this);
        ExprPtr node = Expr::make(ExprKind::Unary, position(), "NOT");
        ++pos_;
        node->args.push_back(parseNot());
        return node;
    }

    // comparison, IS [NOT] NULL, [NOT] BETWEEN, [NOT] IN, [NOT] LIKE over additive operands.
    ExprPtr parsePredicate()
    {
        ExprPtr left = parseAdditive();
        Position pos = position();
        for (std::string_view op : {"=", "<>", "!=", "<", "<=", ">", ">="}) {
            if (acceptOperator(op))
                return binary(op == "!=" ? "<>" : std::string(op), pos, std::move(left), parseAdditive());
        }
        if (accept(Keyword::Is)) {
            ExprPtr node = Expr::make(ExprKind::IsNull, pos);
            node->negated = accept(Keyword::Not);
            expect(Keyword::Null);
            node->args.push_back(std::move(left));
            return node;
        }
        bool negated = current().is(Keyword::Not)
                       && (next().is(Keyword::Between) || next().is(Keyword::In) || next().is(Keyword::Like));
        if (negated)
            ++pos_;
        if (accept(Keyword::Between)) {
            ExprPtr node = Expr::make(ExprKind::Between, pos);
            node->args.push_back(std::move(left));
            node->args.push_back(parseAdditive());
            expect(Keyword::And);
            node->args.push_back(parseAdditive());
            node->negated = negated;
            return node;
        }
        if (accept(Keyword::In))
            return parseIn(std::move(left), pos, negated);
        if (accept(Keyword::Like)) {
            ExprPtr node = Expr::make(ExprKind::Like, pos);
            node->args.push_back(std::move(left));
            node->args.push_back(parseAdditive());
            node->negated = negated;
            if (acceptWord("ESCAPE"))
                node->args.push_back(parseAdditive());
            return node;
        }
        return left;
    }

    ExprPtr parseIn(ExprPtr left, Position pos, bool negated)
    {
        expectOperator("(");
        ExprPtr node;
        if (current().is(Keyword::Select)) {
            node = Expr::make(ExprKind::InSubquery, pos);
            node->query = std::make_unique<Select>(parseSelect());
            node->args.push_back(std::move(left));
        } else {
            node = Expr::make(ExprKind::InList, pos);
            node->args.push_back(std::move(left));
            do {
                node->args.push_back(parseExpression());
            } while (acceptOperator(","));
        }
        expectOperator(")");
        node->negated = negated;
        return node;
    }

    ExprPtr parseAdditive()
    {
        ExprPtr left = parseMultiplicative();
        Chain chain(*this, "+ and -");
        for (;;) {
            if (current().isOperator("+") || current().isOperator("-"))
                chain.another();
            Position pos = position();
            if (acceptOperator("+"))
                left = binary("+", pos, std::move(left), parseMultiplicative());
            else if (acceptOperator("-"))
                left = binary("-", pos, std::move(left), parseMultiplicative());
            else
                return left;
        }
    }

    ExprPtr parseMultiplicative()
    {
        ExprPtr left = parseUnary();
        Chain chain(*this, "*, / and %");
        for (;;) {
            Position pos = position();
            std::string op = current().text;
            if (current().kind == TokenKind::Operator && (op == "*" || op == "/" || op == "%")) {
                chain.another();
                ++pos_;
                left = binary(op, pos, std::move(left), parseUnary());
            } else {
                return left;
            }
        }
    }

    // Unary minus binds tighter than multiplication in T-SQL.
    ExprPtr parseUnary()
    {
        if (current().isOperator("-") || current().isOperator("+")) {
            Nesting nesting(*this);
            ExprPtr node = Expr::make(ExprKind::Unary, position(), current().text);
            ++pos_;
            node->args.push_back(parseUnary());
            return node;
        }
        ExprPtr primary = parsePrimary();
        if (word(current()) == "COLLATE")
            unsupported("COLLATE");  // every text compares by the database's one collation
        return primary;
    }

    ExprPtr parsePrimary()
    {
        const Token& token = current();
        Position pos = position();
        switch (token.kind) {
        case TokenKind::Integer:
        case TokenKind::Decimal:
        case TokenKind::Float:
        case TokenKind::String:
        case TokenKind::NString:
            return parseLiteral();
        case TokenKind::Variable: {
            ++pos_;
            return Expr::make(ExprKind::Variable, pos, upper(token.text));
        }
        case TokenKind::Identifier:
            return next().isOperator("(") && !token.quoted ? parseCall() : parseColumn();
        case TokenKind::Operator:
            if (token.text == "(")
                return parseParenthesized();
            break;
        case TokenKind::Keyword:
            return parseKeywordPrimary();
        case TokenKind::End:
            break;
        }
        fail("unexpected");
    }

    ExprPtr parseKeywordPrimary()
    {
        Position pos = position();
        switch (current().keyword) {
        case Keyword::Null: {
            ++pos_;
            ExprPtr node = Expr::make(ExprKind::Literal, pos);
            node->literal = LiteralKind::Null;
            return node;
        }
        case Keyword::Case:
            return parseCase();
        case Keyword::Exists: {
            ++pos_;
            ExprPtr node = Expr::make(ExprKind::Exists, pos);
            expectOperator("(");
            node->query = std::make_unique<Select>(parseSelect());
            expectOperator(")");
            return node;
        }
        case Keyword::Left:
        case Keyword::Right:
            if (next().isOperator("("))
                return parseCall();
            break;
        default:
            break;
        }
        fail("unexpected");
    }

    ExprPtr parseLiteral()
    {
        const Token& token = tokens_[pos_++];
        ExprPtr node = Expr::make(ExprKind::Literal, {token.line, token.column}, token.text);
        switch (token.kind) {
        case TokenKind::Integer:
            node->literal = LiteralKind::Integer;
            break;
        case TokenKind::Decimal:
            node->literal = LiteralKind::Decimal;
            break;
        case TokenKind::Float:
            node->literal = LiteralKind::Float;
            break;
        default:
            node->literal = LiteralKind::String;
            node->unicode = token.kind == TokenKind::NString;
            break;
        }
        return node;
    }

    ExprPtr parseParenthesized()
    {
        Position pos = position();
        expectOperator("(");
        ExprPtr node;
        if (current().is(Keyword::Select)) {
            node = Expr::make(ExprKind::Subquery, pos);
            node->query = std::make_unique<Select>(parseSelect());
        } else {
            node = parseExpression();
        }
        expectOperator(")");
        return node;
    }

    // [a.][b.]column; the qualifier kept is the part just before the column.
    ExprPtr parseColumn()
    {
        Position pos = position();
        std::vector<std::string> parts{tokens_[pos_++].text};
        while (current().isOperator(".")) {
            ++pos_;
            if (current().isOperator("*"))
                fail("'*' is only allowed in the select list; found");
            parts.push_back(expectIdentifier("a column name"));
        }
        if (parts.size() > 3)
            fail("too many name parts before");
        ExprPtr node = Expr::make(ExprKind::Column, pos, parts.back());
        if (parts.size() > 1)
            node->qualifier = parts[parts.size() - 2];
        return node;
    }

    ExprPtr parseCase()
    {
        ExprPtr node = Expr::make(ExprKind::Case, position());
        expect(Keyword::Case);
        if (!current().is(Keyword::When)) {
            node->hasOperand = true;
            node->args.push_back(parseExpression());
        }
        if (!current().is(Keyword::When))
            fail("expected WHEN but found");
        while (accept(Keyword::When)) {
            node->args.push_back(parseExpression());
            expect(Keyword::Then);
            node->args.push_back(parseExpression());
        }
        if (accept(Keyword::Else)) {
            node->hasElse = true;
            node->args.push_back(parseExpression());
        }
        expect(Keyword::End);
        return node;
    }

    ExprPtr parseCall()
    {
        Nesting nesting(*this);
        Position pos = position();
        std::string name = upper(tokens_[pos_++].text);
        expectOperator("(");
        if (name == "CAST")
            return parseCast(pos);
        if (name == "CONVERT")
            return parseConvert(pos);
        if (name == "IDENTITY")
            return parseIdentity(pos);
        ExprPtr node = Expr::make(ExprKind::Call, pos, name);
        if (name == "DATEPART" || name == "DATEDIFF" || name == "DATEADD" || name == "DATENAME") {
            Position partPos = position();
            node->args.push_back(Expr::make(ExprKind::DatePart, partPos, expectIdentifier("a date part")));
            if (!current().isOperator(")"))
                expectOperator(",");
        }
        if (acceptOperator("*")) {
            node->args.push_back(Expr::make(ExprKind::Star, pos));
        } else if (!current().isOperator(")")) {
            node->distinct = accept(Keyword::Distinct);
            do {
                node->args.push_back(parseExpression());
            } while (acceptOperator(","));
        }
        expectOperator(")");
        if (word(current()) == "OVER")
            unsupportedAt(name + "() OVER", pos);
        return node;
    }

    ExprPtr parseCast(Position pos)
    {
        ExprPtr node = Expr::make(ExprKind::Cast, pos, "CAST");
        node->args.push_back(parseExpression());
        expect(Keyword::As);
        node->target = parseTypeName();
        expectOperator(")");
        return node;
    }

    // CONVERT(type, value [, style]): the style, a constant, follows the value among the arguments.
    ExprPtr parseConvert(Position pos)
    {
        ExprPtr node = Expr::make(ExprKind::Cast, pos, "CONVERT");
        node->target = parseTypeName();
        expectOperator(",");
        node->args.push_back(parseExpression());
        if (acceptOperator(",")) {
            if (current().kind != TokenKind::Integer)
                fail("expected a style number but found");
            node->args.push_back(parseLiteral());
        }
        expectOperator(")");
        return node;
    }

    ExprPtr parseIdentity(Position pos)
    {
        ExprPtr node = Expr::make(ExprKind::Identity, pos, "IDENTITY");
        node->target = parseTypeName();
        for (int i = 0; i < 2 && acceptOperator(","); ++i)
            node->args.push_back(parseUnary());
        expectOperator(")");
        return node;
    }
};

}  // namespace

std::vector<Statement> parseStatements(std::string_view text) { return Parser(text).parseAll(); }

}  // namespace tsql
