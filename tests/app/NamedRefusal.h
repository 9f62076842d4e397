#pragma once
// A refusal of what a user typed or a file holds names what it is about: a control or a file key, a grid,
// the company, or the host message shown for it.

#include <QRegularExpression>
#include <QString>

inline bool namesItsSubject(const QString& message)
{
    static const QRegularExpression subject(QStringLiteral(
        "key \"[^\"]*\"|(CBO|TXT|CHK|USR|ADVQ|ADVO)_[A-Z]+|Company \\d+|message \\d+|not valid JSON at offset|"
        "expected a JSON object|--[a-z]+"));
    return subject.match(message).hasMatch();
}
