#include "print/FormulaFields.h"

#include "report/formula/Lexer.h"

#include <algorithm>

namespace quorvane::print {

std::vector<std::string> fieldsRead(const ReportFormulaPlan& plan)
{
    using report::formula::Token;
    std::vector<std::string> fields;
    for (const FormulaText& formula : plan.formulas)
        for (const Token& token : report::formula::tokenize(formula.name, formula.text))
            if (token.kind == Token::Kind::Field && std::find(fields.begin(), fields.end(), token.text) == fields.end())
                fields.push_back(token.text);
    return fields;
}

} // namespace quorvane::print
