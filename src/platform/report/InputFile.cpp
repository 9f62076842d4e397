#include "report/InputFile.h"

#include <QFile>

#include <filesystem>
#include <stdexcept>

namespace report {

QByteArray readInputFile(const std::string& path, const std::string& what, qint64 limit)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw std::runtime_error(path + ": the " + what + " is not a regular file (a folder, a pipe or a device)");
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(path + ": the " + what + " cannot be read: " + file.errorString().toStdString());
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        throw std::runtime_error(path + ": the " + what + " is larger than the " + std::to_string(limit / (1024 * 1024))
                                 + " MB such a file may be");
    return bytes;
}

} // namespace report
