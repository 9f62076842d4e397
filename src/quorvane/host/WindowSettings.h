#pragma once
// What the window reads once, at its first activation, from the session and the company: every
// other part of the window (selection, processing, display, printing) reads these values.

#include <QString>
#include <QVariant>

namespace quorvane::host {

struct WindowSettings {
    QVariant ditta;                 // the company code, written as a number into every statement
    QVariant costCentreChart;       // chart code of cost-centre accounts
    QVariant expenseItemChart;      // chart code of expense items
    QVariant userLanguage;          // "ITA " when the host gives none
    QString currency;               // "EURO" when the company names none
    qint16 amountDecimals = 2;
    QString amountFormat;
    qint16 quantityDecimals = 2;
    QString quantityFormat;
    bool qevIntegration = false;
    bool financialType = false;     // the company's cost accounting is of type "FIN"
    bool financialAccounting = false; // financial type with the QEV integration
    bool intercompany = false;
    QString competenceDateExpression;
    QString repeatedDocumentSuffix; // "/" and the word for a repeated document number
    QString debitCaption;           // caption of the DARE column: the cost side
    QString creditCaption;          // caption of the AVERE column: the revenue side

    // The words of the group tree and of the summary panel, in the user's language.
    QString noValueText;
    QString unrestrictedText;
    QString exactValueText;
    QString fromText;
    QString toText;
    QString rangeText;
};

} // namespace quorvane::host
