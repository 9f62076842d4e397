#pragma once
// A small company database made by hand, so that a test knows every line and every expected figure: one
// company, a cost-centre chart with one account, an expense-item chart with one item per nature (cost-or-
// revenue indicator 0 to 4), one causal and one movement type; each movement holds one line.

#include "company/SchemaScript.h"
#include "db/Connection.h"
#include "engine/ExtractionRequest.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>

struct FixtureLine {
    std::string registrationDate;                 // 'YYYYMMDD'
    std::optional<std::string> documentDate = std::nullopt;  // none: NULL
    int nature = 1;                               // the expense item's cost-or-revenue indicator
    std::string amount = "100.00";
    std::string quantity = "1.000000";
    std::optional<std::string> competenceFrom = std::nullopt;
    std::optional<std::string> competenceTo = std::nullopt;
};

class LedgerFixture {
public:
    static constexpr int company = 1;

    LedgerFixture() : connection_(openCopyOfTemplate())
    {
        run("INSERT INTO CG18_ANADITTABASE VALUES (1, 1, 'EURO', 0, 1, 0, 0, 'IND')");
        run("INSERT INTO CI01_PARAMETRI VALUES (1, 1, 2, 6, 0, 0, 0, 0, 3, 0)");
        run("INSERT INTO PC03_ANAGPDC (PC03_DITTA_CG18, PC03_CODICE_PC01, PC03_CONTO, PC03_DESCR, PC03_LIVELLO, "
            "PC03_FLGANALITICO) VALUES (1, 1, 'A1', 'Centro', 1, 1)");
        for (int nature = 0; nature <= 4; ++nature) {
            const std::string n = std::to_string(nature);
            run("INSERT INTO PC04_NATURECOSTI VALUES (1, " + n + ", 'Natura " + n + "', " + n + ")");
            run("INSERT INTO PC03_ANAGPDC (PC03_DITTA_CG18, PC03_CODICE_PC01, PC03_CONTO, PC03_DESCR, PC03_LIVELLO, "
                "PC03_FLGANALITICO, PC03_NATURA_PC04) VALUES (1, 2, 'V" + n + "', 'Voce', 1, 1, " + n + ")");
        }
        run("INSERT INTO CI03_CAUSALI VALUES (1, 'C1', 'Consuntivo', 0)");
        run("INSERT INTO CGT0_TIPOMOV (CGT0_CODICE, CGT0_DESCR, CGT0_DESCRMEDIA, CGT0_DESCRBREVE, CGT0_INDTIPO) "
            "VALUES (1, 'Tipo', 'Tipo', 'T', 0)");
    }

    // Adds a movement of one line; answers its registration number.
    std::string add(const FixtureLine& line)
    {
        const std::string numreg = std::to_string(++movements_);
        const auto dateOrNull = [](const std::optional<std::string>& d) { return d ? "'" + *d + "'" : "NULL"; };
        run("INSERT INTO CI12_MOVTESTATA (CI12_DITTA_CG18, CI12_NUMREG_CO99, CI12_DATAREG, CI12_CODCAUS_CI03, "
            "CI12_SEZDOC, CI12_FLGDOCBIS, CI12_DATADOC, CI12_INDTIPOMOV, CI12_FLGMOVVAR, CI12_INDPROVENIENZA, "
            "CI12_GUID) VALUES (1, '" + numreg + "', '" + line.registrationDate + "', 'C1', 'A', 0, "
            + dateOrNull(line.documentDate) + ", 1, 0, 0, '" + guid('1') + "')");
        run("INSERT INTO CI13_MOVCORPO (CI13_DITTA_CG18, CI13_NUMREG_CO99, CI13_PROGRIGA, CI13_CODPDC_PC01, "
            "CI13_CONTO_PC03, CI13_CODVDS_PC01, CI13_VDS_PC03, CI13_SEGNO, CI13_DADATACOMP, CI13_ADATACOMP, "
            "CI13_QTA, CI13_IMPORTO, CI13_FLGMOVAGG, CI13_FLGPRIMOVQTALAV, CI13_INDMODRILEVAZIONE, "
            "CI13_FLGREGSTORNO, CI13_GUID) VALUES (1, '" + numreg + "', 1, 1, 'A1', 2, 'V"
            + std::to_string(line.nature) + "', 0, " + dateOrNull(line.competenceFrom) + ", "
            + dateOrNull(line.competenceTo) + ", " + line.quantity + ", " + line.amount + ", 0, 0, 0, 0, '"
            + guid('2') + "')");
        return numreg;
    }

    // Every line of the company: any account of the chart, every movement type, actual movements.
    quorvane::ExtractionRequest request() const
    {
        quorvane::ExtractionRequest request;
        request.settings.company = company;
        request.settings.costCentreChart = 1;
        request.settings.expenseItemChart = 2;
        request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
        return request;
    }

    db::Connection& connection() { return *connection_; }

private:
    // The schema is loaded once into a template file that every fixture copies: loading it is the slow part.
    static QString templatePath()
    {
        static QTemporaryDir templateDir;
        static const QString path = [] {
            const QString file = templateDir.filePath("schema.db");
            company::loadSchema(*db::Connection::open("Provider=SQLite;Data Source=" + file.toStdString()));
            return file;
        }();
        return path;
    }

    std::unique_ptr<db::Connection> openCopyOfTemplate()
    {
        const QString path = dir_.filePath("ledger.db");
        QFile::copy(templatePath(), path);
        return db::Connection::open("Provider=SQLite;Data Source=" + path.toStdString());
    }

    void run(const std::string& statement) { connection_->Execute(statement); }
    std::string guid(char kind) const
    {
        std::string tail = std::to_string(movements_);
        return std::string("0000000") + kind + "-0000-0000-0000-" + std::string(12 - tail.size(), '0') + tail;
    }

    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> connection_;
    int movements_ = 0;
};
