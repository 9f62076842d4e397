#pragma once
// Which of the company's movement types a choice covers, and the condition and caption it yields. The
// movement-type selector works with these, and so does whatever processes a selection without the
// selector in front of it, so that both extract the same types and describe them alike.

#include "controls/MovementTypeSource.h"

#include <QString>

#include <optional>
#include <vector>

namespace controls {

// The kinds a kind filter names: "0,1" → {0, 1}; nothing for "" (every kind).
std::optional<std::vector<int>> kindsOf(const QString& kindFilter);

// The type is of one of the kinds (any, without kinds) and valid somewhere between from and to; open
// ends reach as far as they like.
bool isOffered(const MovementType& type, const std::optional<std::vector<int>>& kinds,
               const std::optional<QDate>& from, const std::optional<QDate>& to);

// "CGT0_CODICE IN (1,2)"; empty when no type is chosen, since no condition can stand for that.
QString movementTypeCondition(const std::vector<int>& codes);

// The types' descriptions joined by the separator; `which` chooses the description (1 long, 2 medium,
// 3 short).
QString movementTypeCaption(const std::vector<MovementType>& types, int which, const QString& separator);

} // namespace controls
