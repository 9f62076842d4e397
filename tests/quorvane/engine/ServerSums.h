#pragma once
// Sums over #MOVIMENTI that a test writes out itself, to hold the engine's totals against. A line counts on
// the debit side when its expense item's nature says cost (indicator 1, or 4 in financial cost accounting)
// and on the credit side when it says revenue (0 or 2, or 3).

#include "db/Connection.h"
#include "engine/GroupTotals.h"
#include "selection/OrderingColumns.h"

#include <QTest>

#include <cmath>
#include <string>

struct ServerSums {
    long rows = 0;
    double debit = 0, credit = 0, quantity = 0;
};

inline ServerSums serverSums(db::Connection& connection, bool financial, const std::string& condition)
{
    const std::string debit = financial ? "4" : "1", credit = financial ? "3" : "0, 2";
    db::Recordset sums = connection.Open(
        "SELECT COUNT(*) AS RIGHE,"
        " SUM(CASE WHEN PC04_INDCOSTORIC_VDS = " + debit + " THEN ISNULL(CI13_IMPORTO, 0) ELSE 0 END) AS DARE,"
        " SUM(CASE WHEN PC04_INDCOSTORIC_VDS IN (" + credit + ") THEN ISNULL(CI13_IMPORTO, 0) ELSE 0 END) AS AVERE,"
        " SUM(ISNULL(CI13_QTA, 0)) AS QUANTITA FROM #MOVIMENTI" + (condition.empty() ? "" : " WHERE " + condition));
    return {static_cast<long>(sums.value("RIGHE").toDouble()), sums.value("DARE").toDouble(),
            sums.value("AVERE").toDouble(), sums.value("QUANTITA").toDouble()};
}

// A node's movement filter as a condition over #MOVIMENTI.
inline std::string sqlCondition(const std::string& filter)
{
    std::string condition = filter;
    for (std::size_t at = condition.find("=NULL"); at != std::string::npos; at = condition.find("=NULL", at))
        condition.replace(at, 5, " IS NULL");
    return condition;
}

inline void compareToTheCent(const quorvane::GroupTotals& group, const ServerSums& server, const QString& which)
{
    QVERIFY2(group.rows == server.rows, qPrintable(which));
    QVERIFY2(group.sums.debit.rescaled(2) == db::Decimal::fromDouble(server.debit, 2), qPrintable(which));
    QVERIFY2(group.sums.credit.rescaled(2) == db::Decimal::fromDouble(server.credit, 2), qPrintable(which));
    QVERIFY2(std::abs(group.sums.quantity.toDouble() - server.quantity) < 1e-6, qPrintable(which));
}

