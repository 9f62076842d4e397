#include "hostfw/AllocationTraceViewer.h"

#include "hostfw/ClsGlobal.h"
#include "hostfw/Phrases.h"
#include "hostfw/SqlLiteral.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace hostfw {

namespace {

// The trace table's columns of the line looked for, and of the lines listed beside it.
struct TraceSide {
    const char* number;
    const char* line;
};

constexpr TraceSide originSide{"CI5C_NUMREGORI_CO99", "CI5C_PROGRIGAORI_CI13"};
constexpr TraceSide destinationSide{"CI5C_NUMREGDES_CO99", "CI5C_PROGRIGADES_CI13"};

QString numberText(const db::Value& value, int decimals)
{
    return value.isNull() ? QString() : QLocale(QLocale::Italian).toString(value.toDouble(), 'f', decimals);
}

} // namespace

AllocationTraceViewer::AllocationTraceViewer(QWidget* parent) : QDialog(parent), list_(new QTreeWidget(this))
{
    list_->setHeaderLabels({userText("Num.Reg"), userText("Riga"), QStringLiteral("C.d.C."),
                            QStringLiteral("V.d.S."), userText("Percentuale"), userText("Importo")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(720, 360);
}

void AllocationTraceViewer::setLine(const QString& registrationNumber, int line, TraceDirection direction)
{
    registrationNumber_ = registrationNumber;
    line_ = line;
    direction_ = direction;
}

std::string AllocationTraceViewer::traceStatement(int company, const QString& registrationNumber, int line,
                                                  TraceDirection direction)
{
    const bool origins = direction == TraceDirection::Origins;
    const TraceSide& traced = origins ? destinationSide : originSide;
    const TraceSide& listed = origins ? originSide : destinationSide;
    const std::string number = listed.number, progressive = listed.line;
    return " SELECT " + number + " AS NUMREG, " + progressive + " AS PROGRIGA"
           ", CI13_CONTO_PC03, CI13_VDS_PC03, CI5C_PERCENTUALE, CI13_IMPORTO"
           " FROM CI5C_TRACCIARIB WITH (NOLOCK)"
           " LEFT OUTER JOIN CI13_MOVCORPO WITH (NOLOCK)"
           " ON CI13_DITTA_CG18 = CI5C_DITTA_CG18 AND CI13_NUMREG_CO99 = " + number
           + " AND CI13_PROGRIGA = " + progressive
           + " WHERE CI5C_DITTA_CG18 = " + std::to_string(company)
           + " AND " + traced.number + " = " + sqlQuoted(registrationNumber)
           + " AND " + traced.line + " = " + std::to_string(line)
           + " ORDER BY " + number + ", " + progressive;
}

void AllocationTraceViewer::Show()
{
    if (!session_ || !connection_)
        throw std::logic_error("the allocation-trace viewer has no session or connection");
    const int company = session_->Company().company;
    fill(connection_->Open(traceStatement(company, registrationNumber_, line_, direction_)));
    const QString side = direction_ == TraceDirection::Origins ? userText("origini") : userText("destinazioni");
    setWindowTitle(userText("Traccia ribaltamento - %1 - %2/%3").arg(side, registrationNumber_).arg(line_));
    show();
    raise();
    activateWindow();
}

void AllocationTraceViewer::fill(db::Recordset rows)
{
    list_->clear();
    if (!rows.isOpen())
        return;
    const int decimals = session_->Company().amountDecimals;
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext()) {
        const auto text = [&](const char* field) { return QString::fromStdString(rows.value(field).toText()); };
        list_->addTopLevelItem(new QTreeWidgetItem(
            {text("NUMREG"), text("PROGRIGA"), text("CI13_CONTO_PC03"), text("CI13_VDS_PC03"),
             numberText(rows.value("CI5C_PERCENTUALE"), 2), numberText(rows.value("CI13_IMPORTO"), decimals)}));
    }
}

} // namespace hostfw
