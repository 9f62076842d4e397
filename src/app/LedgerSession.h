#pragma once
// A ledger processing opened from the command line, as the window opens one: the company database read-only,
// the company's settings, the selection file, and what the panel's controls would know about it (whether the
// account and the currency exist, the movement types the selector would tick, the user-defined attributes).
// The settings check runs here, as it does before every processing in the window.

#include "DatabaseOption.h"

#include "company/CompanySettings.h"
#include "db/Connection.h"
#include "engine/ExtractionRequest.h"
#include "engine/MovementExtraction.h"
#include "selection/OrderingColumns.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A command's failure with its exit status: 1 a wrong argument or selection file, 2 a selection the settings
// check refuses or a company the database does not hold, 3 a database error.
class CommandFailure : public std::runtime_error {
public:
    CommandFailure(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

struct LedgerSession {
    std::shared_ptr<db::Connection> connection;       // shared with the report service when printing
    company::CompanySettings company;
    quorvane::ExtractionRequest request;
    std::vector<quorvane::OrderingColumn> ordering;   // the ordering grid's rows resolved to their columns
    std::string movementTypeCaption;                  // what the movement-type selector would show
};

// Refuses, before any processing and with exit status 4, an output that may not be written at `path`
// (files/OutputFile.h): the company database the command reads among them, under whatever name.
void checkOutputFile(const std::string& path, const std::string& description, const DatabaseOption& database);

// Throws CommandFailure.
LedgerSession openLedgerSession(const DatabaseOption& database, const std::string& selectionPath,
                                std::optional<int> company);

// What openLedgerSession does once the selection is read and the database open: the company's settings,
// the grids' rows against the window's offer, the movement types, the controls' states and the settings
// check. Throws CommandFailure, the grids' and the selection's refusals, and db::Error.
void prepareLedgerSession(LedgerSession& session, std::optional<int> company);

// The text of a host message or caption number in the command line's language (Italian).
std::string hostText(int number);

// Processes the session's selection into the extraction, as the window's "Elabora" does; an extraction
// that finds no line says so on standard error with the window's message.
void extractMovements(const LedgerSession& session, quorvane::MovementExtraction& extraction);

// The captions of the debit and the credit side, by the company's kind of cost accounting.
struct SideCaptions {
    std::string debit;
    std::string credit;
};
SideCaptions sideCaptions(const LedgerSession& session);

// "quorvane COMMAND: MESSAGE" on standard error, a password in the message masked as everywhere.
void reportCommandError(const char* command, const std::string& message);

// Runs a command's body and turns its failures into a message on standard error and the exit status.
int runLedgerCommand(const char* command, const std::function<int()>& body);

// "--threads N" (or the setting, or the machine's cores) as the processing's threads; throws CommandFailure
// when it is not a number of threads.
int threadsOption(const std::optional<std::string>& value);

// "--company N" as a company number; throws CommandFailure when it is not one.
std::optional<int> companyOption(const std::optional<std::string>& value);
