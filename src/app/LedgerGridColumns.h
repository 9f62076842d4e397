#pragma once
// The movement grid's shown columns as the window lays them out for the session's company, for the commands
// that write movement lines without the window: the company's column settings, the debit and credit captions
// of its kind of cost accounting, the amounts' currency, the user-defined attributes of movements, and the
// quantity column as the selection's quantity box wants it.

#include "LedgerSession.h"

#include "controls/DataGridColumn.h"

#include <vector>

std::vector<controls::DataGridColumn> movementGridColumns(const LedgerSession& session);
