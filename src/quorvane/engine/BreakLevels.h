#pragma once
// The break levels of a grouped ledger (ArrayRotture): one Rottura per grouping row of the ordering grid, in
// grid order, level 1 the outermost group. The display configuration fills what defines a level; the walk
// that builds the group tree keeps in Valore and Descrizione the first row of the group open at each level.

#include "db/Value.h"

#include <string>
#include <vector>

namespace quorvane {

struct Rottura {
    std::string Campo;              // the movement set's column; attribute columns still qualified
    std::string Caption;            // the grid row's description in the user's language
    std::string CampoDescrizione;   // the column whose text follows the value in a node's caption, or ""
    bool DataPiena = false;         // the level groups by the plain registration or document date
    int CodiceData = 0;             // 1 with DataPiena, 0 otherwise
    db::Value Valore;               // the value of Campo in the first row of the open group
    std::string Descrizione;        // the text of CampoDescrizione in that row
};

// Level L is element L − 1; its size is NumeroRotture.
using ArrayRotture = std::vector<Rottura>;

} // namespace quorvane
