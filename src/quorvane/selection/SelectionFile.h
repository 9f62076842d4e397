#pragma once
// The selection file: a selection record kept as JSON so that a user can save the selections they run often
// and the command line can process them. Keys are the controls' names; check boxes and combo boxes hold the
// text of their value ("0", "1", …), numbers are JSON numbers, dates ISO "yyyy-mm-dd". A file with an unknown
// key, a value of the wrong type or a value outside its field's domain is refused with a message naming the key.

#include "selection/SelectionParameters.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace quorvane {

class SelectionFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a record from the file's JSON text; throws SelectionFileError.
SelectionParameters parseSelection(const QByteArray& json);
// Writes the record as indented JSON; only fields that hold a value are written.
QByteArray serializeSelection(const SelectionParameters& selection);

SelectionParameters loadSelectionFile(const QString& path);
void saveSelectionFile(const QString& path, const SelectionParameters& selection);

} // namespace quorvane
