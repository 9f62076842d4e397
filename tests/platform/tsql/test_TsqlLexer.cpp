// The tokenizer: kinds, values and positions of tokens, over every line-end convention.
#include "tsql/Dialect.h"
#include "tsql/Lexer.h"

#include <QtTest>

class TsqlLexer : public QObject {
    Q_OBJECT

private:
    // Each token as kind:text@line:column.
    static QStringList describe(const std::string& text)
    {
        static const char* kinds[] = {"end", "id", "var", "kw", "int", "dec", "float", "str", "nstr", "op"};
        QStringList result;
        for (const tsql::Token& token : tsql::tokenize(text))
            result << QString("%1:%2@%3:%4")
                          .arg(kinds[static_cast<int>(token.kind)], QString::fromStdString(token.text))
                          .arg(token.line)
                          .arg(token.column);
        return result;
    }

private slots:
    void tokens_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("keywords in any case, names, numbers")
            << "select Top 10 a1 From #T" << QStringList{"kw:select@1:1", "kw:Top@1:8", "int:10@1:12", "id:a1@1:15",
                                                          "kw:From@1:18", "id:#T@1:23", "end:@1:25"};
        QTest::newRow("bracketed and quoted names are never keywords")
            << "[FROM] \"SELECT\" [a]]b]" << QStringList{"id:FROM@1:1", "id:SELECT@1:8", "id:a]b@1:17", "end:@1:23"};
        QTest::newRow("strings with doubled quotes and the N prefix")
            << "'it''s' N'è'" << QStringList{"str:it's@1:1", "nstr:è@1:9", "end:@1:14"};
        QTest::newRow("decimal and float numbers") << "310.00 1.5E3 7." << QStringList{"dec:310.00@1:1", "float:1.5E3@1:8", "dec:7.@1:14", "end:@1:16"};
        QTest::newRow("two-character operators")
            << "a<>b!=c<=d>=e" << QStringList{"id:a@1:1", "op:<>@1:2", "id:b@1:4", "op:!=@1:5", "id:c@1:7", "op:<=@1:8",
                                              "id:d@1:10", "op:>=@1:11", "id:e@1:13", "end:@1:14"};
        QTest::newRow("CR LF, CR and LF each end one line")
            << "a\r\nb\rc\nd" << QStringList{"id:a@1:1", "id:b@2:1", "id:c@3:1", "id:d@4:1", "end:@4:2"};
        QTest::newRow("comments are skipped, block comments nest")
            << "a -- x\r\n/* y /* z */ w */ b" << QStringList{"id:a@1:1", "id:b@2:19", "end:@2:20"};
        QTest::newRow("a line end inside a string counts") << "'x\ny' z" << QStringList{"str:x\ny@1:1", "id:z@2:4", "end:@2:5"};
        QTest::newRow("parameters") << "@ditta" << QStringList{"var:@ditta@1:1", "end:@1:7"};
    }

    void tokens()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, tokens);
        QCOMPARE(describe(text.toStdString()), tokens);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("unterminated string") << "a\n 'abc" << "unterminated string (line 2, column 2)";
        QTest::newRow("unterminated bracket") << "[abc" << "unterminated bracketed name (line 1, column 1)";
        QTest::newRow("unterminated comment") << "/* /* */" << "unterminated comment (line 1, column 1)";
        QTest::newRow("letters glued to a number") << "12ab" << "invalid number (line 1, column 1)";
        QTest::newRow("a lone exclamation mark") << "a ! b" << "unexpected character '!' (line 1, column 3)";
    }

    void refusals()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            tsql::tokenize(text.toStdString());
            QFAIL("no error");
        } catch (const tsql::Error& error) {
            QCOMPARE(QString::fromStdString(error.what()), message);
        }
    }
};

QTEST_GUILESS_MAIN(TsqlLexer)
#include "test_TsqlLexer.moc"
