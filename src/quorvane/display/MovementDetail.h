#pragma once
// The detail pane: the lines of the movement that the movement grid's current row belongs to, read again
// from the company database on the window's connection each time the row changes, and shown in
// GRD_DETTAGLIO. The detail set lives here as long as the grid shows it.

#include "controls/DataGrid.h"
#include "db/Connection.h"
#include "display/DetailRowsStatement.h"

namespace quorvane::display {

class MovementDetail {
public:
    // The connection stays the window's and must outlive this object.
    explicit MovementDetail(db::Connection& connection) : connection_(connection) {}

    // AggiornaDettaglioMovimenti: loads the rows when the movement set exists and has a current row;
    // otherwise the pane keeps what it shows. The grid may be none (no pane to fill).
    void AggiornaDettaglioMovimenti(const db::Recordset* movements, const DetailRowsRequest& request,
                                    controls::DataGrid* grid);

    // CaricaRigheDiDettaglio: empties the pane, then, for a row with a registration number, reads the
    // movement's lines and binds them on their first row. db::Error when the lines cannot be read leaves the
    // pane empty.
    void CaricaRigheDiDettaglio(const db::Recordset& movements, const DetailRowsRequest& request,
                                controls::DataGrid* grid);

    const db::Recordset& rows() const { return rows_; }

private:
    db::Connection& connection_;
    db::Recordset rows_;
};

} // namespace quorvane::display
