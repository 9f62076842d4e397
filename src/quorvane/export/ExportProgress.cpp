#include "export/ExportProgress.h"

#include "hostfw/Phrases.h"

namespace quorvane::exporting {

QString cellsShortenedNotice(long cells)
{
    return hostfw::userText("%1 celle contenevano caratteri che il file non può contenere (caratteri di controllo, "
                            "U+FFFE, U+FFFF o byte che non sono UTF-8) o più di quanti ne contiene una cella: sono "
                            "stati tralasciati")
        .arg(cells);
}

} // namespace quorvane::exporting
