#include "CostUtilities.h"

#include "Cinterface.h"
#include "ClsGlobal.h"
#include "CodeDescriptions.h"
#include "MessageService.h"

#include "db/Connection.h"

#include <QDebug>

#include <stdexcept>

namespace hostfw {

void CostUtilities::start()
{
    movementTypesLoaded_ = false;
    movementTypes_.clear();
    currencyTexts_.clear();
}

void CostUtilities::initialise(Cinterface* contract, std::shared_ptr<db::Connection> connection,
                               const QString& applicationTitle, const QString& formName, const QString& formCaption)
{
    contract_ = contract;
    connection_ = std::move(connection);
    applicationTitle_ = applicationTitle;
    formName_ = formName;
    formCaption_ = formCaption;
}

ClsGlobal& CostUtilities::session() const
{
    if (!contract_ || !contract_->ClsGlobal())
        throw std::logic_error("the cost-accounting utilities have no session: they were not initialised");
    return *contract_->ClsGlobal();
}

int CostUtilities::reportError(const QString& procedure, const QString& error)
{
    try {
        ClsGlobal& global = session();
        const bool english = global.translator().language() == Language::English;
        DialogRequest request;
        request.icon = DialogIcon::Critical;
        request.buttons = DialogButtons::AbortRetryIgnore;
        request.title = applicationTitle_;
        request.text = (english ? QStringLiteral("Error in %1.%2:\n%3") : QStringLiteral("Errore in %1.%2:\n%3"))
                           .arg(formName_, procedure, error);
        switch (global.dialogs().answer(request)) {
        case DialogAnswer::Retry: return int(TrapAnswer::Retry);
        case DialogAnswer::Ignore: return int(TrapAnswer::Continue);
        default: return int(TrapAnswer::Leave);
        }
    } catch (...) {
        qWarning().noquote() << formName_ << procedure << ":" << error;
        return int(TrapAnswer::Leave);
    }
}

DialogAnswer CostUtilities::showMessage(int kind, int number, const QString& text)
{
    ClsGlobal& global = session();
    return MessageService(global.translator(), global.dialogs()).show(kind, number, text, applicationTitle_);
}

QVariant CostUtilities::valueOrDefault(const QVariant& value, const QVariant& defaultValue)
{
    return isEmpty(value) ? defaultValue : value;
}

bool CostUtilities::isEmpty(const QVariant& value)
{
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

QString CostUtilities::formatAccount(const QString& code, int chart) const
{
    return session().Charts().format(code, chart);
}

QString CostUtilities::describeDocumentType(int documentType) const
{
    return documentTypeDescription(documentType, session().translator().language());
}

QString CostUtilities::describeMovementType(int movementType)
{
    loadMovementTypes();
    return movementTypes_.value(movementType, QString::number(movementType));
}

QString CostUtilities::describeOrigin(int origin) const
{
    return originDescription(origin, session().translator().language());
}

QString CostUtilities::describeCostRevenueKind(int kind) const
{
    return costRevenueKindDescription(kind, session().translator().language());
}

QString CostUtilities::currencyText(const QString& currencyCode)
{
    const QString code = currencyCode.trimmed();
    if (const auto it = currencyTexts_.constFind(code); it != currencyTexts_.constEnd())
        return *it;
    const QString text = connection_ ? currencySymbol(*connection_, code) : code;
    currencyTexts_.insert(code, text);
    return text;
}

QString CostUtilities::currencySymbol(db::Connection& connection, const QString& currencyCode)
{
    const QString code = currencyCode.trimmed();
    QString quoted = code;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    db::Recordset rows = connection.Open(
        ("SELECT CG08_SIGLA FROM CG08_VALUTE WITH (NOLOCK) WHERE CG08_CODICE = '" + quoted + "'").toStdString());
    const QString symbol = rows.EOF_() ? QString() : QString::fromStdString(rows.value(0).toText()).trimmed();
    return symbol.isEmpty() ? code : symbol;
}

void CostUtilities::loadMovementTypes()
{
    if (movementTypesLoaded_ || !connection_)
        return;
    db::Recordset rows = connection_->Open("SELECT CGT0_CODICE, CGT0_DESCRMEDIA FROM CGT0_TIPOMOV WITH (NOLOCK)");
    for (; !rows.EOF_(); rows.MoveNext())
        movementTypes_.insert(int(rows.value(0).toDouble()), QString::fromStdString(rows.value(1).toText()).trimmed());
    movementTypesLoaded_ = true;
}

void CostUtilities::terminate()
{
    start();
    contract_ = nullptr;
    connection_.reset();
}

} // namespace hostfw
