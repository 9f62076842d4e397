#pragma once
// What the decision asks the company database about a movement before it opens a program. The window runs
// each question as a procedure of its own (an error is reported under the question's name and answers
// false); the command line asks the database straight.

#include "db/Connection.h"

#include <string>

namespace quorvane::drill {

class SourceChecks {
public:
    virtual ~SourceChecks() = default;

    // The movement header is still there (it may have been deleted since the extraction).
    virtual bool EsisteMovimentoCoIn(int company, const std::string& number) = 0;
    // A journal entry is registered under the movement's number; `reason`, when given, receives its reason.
    virtual bool EsisteMovimentoCoGeCollegato(int company, const std::string& number, std::string* reason) = 0;
    // A warehouse document is registered under the movement's number; `key` receives its document key
    // without the trailing blanks of its fixed length.
    virtual bool EsisteDocumentoCollegato(int company, const std::string& number, std::string& key) = 0;
    // The linked journal entry may be opened in the journal-entry program: the company allows it and the
    // entry is printed neither in the VAT registers nor, for any line, in the journal.
    virtual bool MovimentoModificabileDaPN(int company, const std::string& number) = 0;
};

class DatabaseSourceChecks final : public SourceChecks {
public:
    // `ledgerEditSetting` is the company's parameter: 0 keeps every linked journal entry out of the
    // journal-entry program. The connection must outlive the checks.
    DatabaseSourceChecks(db::Connection& connection, int ledgerEditSetting)
        : connection_(connection), ledgerEditSetting_(ledgerEditSetting) {}

    bool EsisteMovimentoCoIn(int company, const std::string& number) override;
    bool EsisteMovimentoCoGeCollegato(int company, const std::string& number, std::string* reason) override;
    bool EsisteDocumentoCollegato(int company, const std::string& number, std::string& key) override;
    bool MovimentoModificabileDaPN(int company, const std::string& number) override;

private:
    db::Connection& connection_;
    int ledgerEditSetting_;
};

} // namespace quorvane::drill
