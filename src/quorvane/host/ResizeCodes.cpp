#include "ResizeCodes.h"

#include <QWidget>

namespace quorvane::host {
namespace {

constexpr ResizeCode codes[] = {
    {"FRAME_PARAMETRI", 15},       {"FRAME_TESTATA", 7},     {"FRAME_TESTATA_TIPOMOV", 7},
    {"USR_TIPOMOV", 7},            {"FRAME_TESTATA_IMPORTO", 7}, {"FRAME_TESTATA_DATAREG", 7},
    {"FRA_VALUTA", 5},             {"PBARSELEZIONE", 8},     {"TAB_QUORVANE", 15},
    {"ADVQ_SELCONTI", 15},         {"ADVQ_LIMITI", 15},      {"ADVO_ORDINAMENTI", 15},
    {"FRA_ESCLUDI", 14},           {"CMD_MOVIMENTI", 12},    {"CMD_ELABORA", 12},
    {"TRE_GRUPPI", 7},             {"FME_TOTALIGEN", 5},     {"FRA_RISULTATI", 15},
    {"ARQ_SPLIT", 15},             {"FME_TOTALINOGRUPPO", 10}, {"CMD_LEFT", 10},
    {"CMD_RIGHT", 10},             {"CHK_VIEWRIGHE", 10},    {"CMD_ESPANDI", 12},
    {"CMD_CHIUDI", 12},            {"CMD_STAMPA", 12},       {"CMD_MODIFICA", 12},
    {"CMD_PARAMETRI", 12},
};

} // namespace

std::span<const ResizeCode> resizeCodes()
{
    return codes;
}

QStringList applyResizeCodes(QWidget* window)
{
    QStringList missing;
    for (const ResizeCode& entry : codes) {
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(entry.control));
        if (control)
            control->setProperty("resizeCode", entry.code);
        else
            missing << QString::fromLatin1(entry.control);
    }
    return missing;
}

} // namespace quorvane::host
