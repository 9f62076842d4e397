#pragma once
// The service behind a grid's decode and lookup of codes: the description of one code, and the codes a
// lookup window offers. The window chooses the service and says which list a row's codes belong to; the
// host implements it over the company database.

#include <QString>

#include <optional>
#include <vector>

namespace controls {

struct CodeRequest {
    QString list;                   // the list of codes, named by the caption of the row that holds them
    int level = 0;                  // chart rows: the level of the code (1 ledger … 4), 0 the account
    QString parentFrom, parentTo;   // a dependent list: the range of parent codes it lies within
    bool operator==(const CodeRequest&) const = default;
};

struct CodeEntry {
    QString code, description;
    bool operator==(const CodeEntry&) const = default;
};

class CodeLookup {
public:
    virtual ~CodeLookup() = default;
    // The code's description ("" when it has none); nothing when the list does not hold the code.
    virtual std::optional<QString> describe(const CodeRequest& request, const QString& code) const = 0;
    // The list's codes whose code begins with, or whose description contains, the filter; at most `limit`.
    virtual std::vector<CodeEntry> entries(const CodeRequest& request, const QString& filter, int limit) const = 0;
};

// Writes the code's description into the box; an empty code, or one the list does not hold, leaves the
// box as it was.
inline void describeInto(const CodeLookup& service, const CodeRequest& request, const QString& code, QString& box)
{
    if (code.isEmpty())
        return;
    if (std::optional<QString> description = service.describe(request, code))
        box = *description;
}

} // namespace controls
