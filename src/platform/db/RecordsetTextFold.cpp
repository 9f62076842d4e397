#include "RecordsetTextFold.h"

#include <QString>

#include <algorithm>

namespace db {

bool isAscii(std::string_view utf8)
{
    return std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string foldCase(std::string_view utf8)
{
    if (!isAscii(utf8)) {
        QByteArray folded = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toCaseFolded().toUtf8();
        return std::string(folded.constData(), static_cast<std::size_t>(folded.size()));
    }
    std::string out(utf8);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace db
