#pragma once
// The files a print reads besides its database: report files, statements, formula texts. Only a regular
// file is read (a pipe or a device would keep the print waiting for a writer), and only one of a size such
// a file has (a huge one would exhaust the memory before anything could be said about it).

#include <QByteArray>

#include <string>

namespace report {

// Larger than any report file, statement or formula the system writes, by far.
constexpr qint64 inputFileLimit = 16 * 1024 * 1024;

// The file's bytes. Throws std::runtime_error naming the file, what it is for ("report file") and why it
// was not read.
QByteArray readInputFile(const std::string& path, const std::string& what, qint64 limit = inputFileLimit);

} // namespace report
