#pragma once
// The host's numeric conversions for the contract's properties. A value that does not fit is refused
// (nullopt) and the property keeps its old value, as the host's runtime refuses it with an overflow.

#include <QVariant>

#include <optional>

namespace quorvane::host {

// A 32-bit value as a 16-bit integer: nullopt outside -32768..32767.
std::optional<qint16> toInteger16(qint32 value);

// Any value as a 32-bit integer: numbers rounded half to even, numeric text read as a number, a
// Boolean as -1 or 0; nullopt for no value, text that is no number, and values out of range.
std::optional<qint32> toInteger32(const QVariant& value);

} // namespace quorvane::host
