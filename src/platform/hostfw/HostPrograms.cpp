#include "hostfw/HostPrograms.h"

#include "hostfw/HostListWindow.h"
#include "hostfw/Phrases.h"
#include "hostfw/SqlLiteral.h"

#include <QLocale>

namespace hostfw {

namespace {

QString text(const db::Value& value)
{
    return QString::fromStdString(value.toText());
}

QString dayText(const db::Value& value)
{
    const db::DateTime day = value.asDateTime();
    return QDate(day.year(), day.month(), day.day()).toString(QStringLiteral("dd/MM/yyyy"));
}

HostListWindow* show(HostListWindow* window)
{
    window->show();
    window->raise();
    return window;
}

HostListWindow* currencies(db::Connection& connection, QWidget* parent)
{
    auto* window = new HostListWindow(userText("Valute e cambi"),
                                      {userText("Codice"), userText("Descrizione"),
                                       userText("Sigla"), userText("Decimali")},
                                      parent);
    db::Recordset rows = connection.Open("SELECT CG08_CODICE, CG08_DESCR, CG08_SIGLA, CG08_NUMERODECIMALI"
                                         " FROM CG08_VALUTE WITH (NOLOCK) ORDER BY CG08_CODICE");
    for (long r = 0; r < rows.RecordCount(); ++r)
        window->addRow({text(rows.valueAt(r, 0)), text(rows.valueAt(r, 1)), text(rows.valueAt(r, 2)),
                        text(rows.valueAt(r, 3))});
    return window;
}

HostListWindow* rates(db::Connection& connection, const QString& currency, const std::optional<QDate>& month,
                      QWidget* parent)
{
    auto* window = new HostListWindow(userText("Valute e cambi - %1").arg(currency.trimmed()),
                                      {userText("Data cambio"), userText("Tipo"), userText("Cambio")},
                                      parent);
    std::string where = " WHERE CODICEVALUTA = " + sqlQuoted(currency.trimmed());
    if (month)
        where += " AND YEAR(DATACAMBIO) = " + std::to_string(month->year()) + " AND MONTH(DATACAMBIO) = "
            + std::to_string(month->month());
    db::Recordset rows = connection.Open("SELECT DATACAMBIO, TIPOCAMBIO, CAMBIO FROM VCG09_CAMBI WITH (NOLOCK)" + where
                                         + " ORDER BY DATACAMBIO DESC, TIPOCAMBIO");
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    for (long r = 0; r < rows.RecordCount(); ++r)
        window->addRow({dayText(rows.valueAt(r, 0)), text(rows.valueAt(r, 1)),
                        italian.toString(rows.valueAt(r, 2).toDouble(), 'f', 6)});
    return window;
}

} // namespace

HostListWindow* openCurrencyProgram(db::Connection& connection, const QString& currency,
                                    const std::optional<QDate>& month, QWidget* parent)
{
    return show(currency.trimmed().isEmpty() ? currencies(connection, parent)
                                             : rates(connection, currency, month, parent));
}

HostListWindow* openChartProgram(db::Connection& connection, int company, int chart, const QString& title,
                                 const QString& code, QWidget* parent)
{
    auto* window = new HostListWindow(title,
                                      {userText("Conto"), userText("Descrizione"),
                                       userText("Livello"), userText("Analitico")},
                                      parent);
    db::Recordset rows = connection.Open(
        "SELECT PC03_CONTO, PC03_DESCR, PC03_LIVELLO, PC03_FLGANALITICO FROM PC03_ANAGPDC WITH (NOLOCK)"
        " WHERE PC03_DITTA_CG18 = " + std::to_string(company) + " AND PC03_CODICE_PC01 = " + std::to_string(chart)
        + " ORDER BY PC03_CONTO");
    for (long r = 0; r < rows.RecordCount(); ++r)
        window->addRow({text(rows.valueAt(r, 0)), text(rows.valueAt(r, 1)), text(rows.valueAt(r, 2)),
                        rows.valueAt(r, 3).toDouble() != 0 ? QStringLiteral("Sì") : QStringLiteral("No")});
    window->positionOn(code);
    return show(window);
}

} // namespace hostfw
