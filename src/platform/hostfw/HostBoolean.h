#pragma once
// The host contract's Boolean: a 16-bit integer whose True is -1 (all bits set), as the host's
// automation layer passes it. Values are stored and given back unchanged; any non-zero reads true.

#include <QtGlobal>

namespace hostfw {

using HostBoolean = qint16;

inline constexpr HostBoolean hostTrue = -1;
inline constexpr HostBoolean hostFalse = 0;

inline constexpr HostBoolean toHostBoolean(bool value) { return value ? hostTrue : hostFalse; }
inline constexpr bool isTrue(HostBoolean value) { return value != 0; }

} // namespace hostfw
