#include "display/MovementDetail.h"

namespace quorvane::display {

void MovementDetail::AggiornaDettaglioMovimenti(const db::Recordset* movements, const DetailRowsRequest& request,
                                                controls::DataGrid* grid)
{
    if (movements == nullptr || !movements->isOpen() || movements->BOF() || movements->EOF_())
        return;
    CaricaRigheDiDettaglio(*movements, request, grid);
}

void MovementDetail::CaricaRigheDiDettaglio(const db::Recordset& movements, const DetailRowsRequest& request,
                                            controls::DataGrid* grid)
{
    // The grid lets go of the old rows before they are replaced.
    if (grid != nullptr)
        grid->setRecordset(nullptr);
    rows_.Close();
    const std::string number = movements.value("CI12_NUMREG_CO99").toText();
    if (number.empty())
        return;
    rows_ = connection_.Open(detailRowsStatement(request, number));
    if (rows_.isOpen() && rows_.RecordCount() > 0)
        rows_.MoveFirst();
    if (grid != nullptr)
        grid->setRecordset(&rows_);
}

} // namespace quorvane::display
