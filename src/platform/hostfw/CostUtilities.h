#pragma once
// The cost-accounting utilities a program window makes at its first activation and keeps for its
// life: every message and every error report of the window passes through them, and they turn the
// coded values of movements into what the grids show.

#include "DialogAnswerer.h"
#include "ErrorTrap.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <memory>

namespace db {
class Connection;
}

namespace hostfw {

class Cinterface;
class ClsGlobal;

class CostUtilities : public ErrorReporter {
public:
    void start();
    // The window's host contract (through which the session is reached), its connection, the
    // application's title (the dialogs' title) and the window's name and caption (named in reports).
    void initialise(Cinterface* contract, std::shared_ptr<db::Connection> connection, const QString& applicationTitle,
                    const QString& formName, const QString& formCaption);

    // Shows the error of a procedure with abort, retry and ignore; answers 3 (leave), 4 (run the
    // failing statement again) or 5 (continue). Never throws: without a session it answers 3.
    int reportError(const QString& procedure, const QString& error) override;

    // Shows the numbered message: kind 2 as a warning (a refusal), 3 as information (a notice).
    DialogAnswer showMessage(int kind, int number, const QString& text = {});

    static QVariant valueOrDefault(const QVariant& value, const QVariant& defaultValue);
    static bool isEmpty(const QVariant& value);

    QString formatAccount(const QString& code, int chart) const;
    QString describeDocumentType(int documentType) const;
    QString describeMovementType(int movementType);
    QString describeOrigin(int origin) const;
    QString describeCostRevenueKind(int kind) const;
    // The currency's symbol as the company database gives it; the code itself when it has none.
    QString currencyText(const QString& currencyCode);
    // The same, read from the company database each time (for callers without a window).
    static QString currencySymbol(db::Connection& connection, const QString& currencyCode);

    void terminate();

private:
    ClsGlobal& session() const; // throws std::logic_error before initialise
    void loadMovementTypes();

    Cinterface* contract_ = nullptr;
    std::shared_ptr<db::Connection> connection_;
    QString applicationTitle_;
    QString formName_;
    QString formCaption_;
    bool movementTypesLoaded_ = false;
    QHash<int, QString> movementTypes_;
    QHash<QString, QString> currencyTexts_;
};

} // namespace hostfw
