#pragma once
// The framework's global utility object: one per process, made on first use. Its conversions are
// null-safe so that statements can be built by concatenation straight from field values and
// controls: NULL becomes empty text or 0, numbers go out with a point, dates as 'YYYYMMDD'.

#include "db/Value.h"

#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;

namespace hostfw {

class GlobalUtilities {
public:
    static GlobalUtilities& instance();

    // Text of any value; empty text for NULL; a date as "dd/MM/yyyy" (and "HH:mm:ss" when it has a time).
    static QString nzText(const QVariant& value);
    static QString nzText(const db::Value& value);

    // Number of any value; 0 for NULL, empty text and text that is not a number.
    static double nzNumber(const QVariant& value);
    static double nzNumber(const db::Value& value);

    // A plain decimal number with a point and no exponent or grouping ("1234.5", "-0.25", "0").
    // Throws std::invalid_argument for NaN and infinities, which no statement can hold.
    static QString numberToSql(double value);
    static QString numberToSql(const db::Decimal& value);

    // "YYYYMMDD", read unambiguously by the server inside single quotes; empty text for NULL or a
    // value that is not a date. Text is read as dd/MM/yyyy, yyyy-MM-dd or yyyyMMdd.
    static QString dateToSql(const QVariant& value);
    static QString dateToSql(const db::DateTime& value);

    // Stops a window from repainting while it is rebuilt (a large tree); nullptr lifts the lock.
    // One window at a time holds the lock, as with the system's own: a second window is refused
    // (false) until the first is released.
    bool lockWindowUpdate(QWidget* window);
    QWidget* lockedWindow() const;

    // Gives the keyboard focus back to a window after the host's navigator has acted on it.
    void restoreFocus(QWidget* window);

private:
    GlobalUtilities() = default;
    QPointer<QWidget> locked_;
};

} // namespace hostfw
