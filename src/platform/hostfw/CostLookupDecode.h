#pragma once
// The cost-accounting connector. For one chart (cost-centre accounts or expense items) it describes a code
// and lists the chart's codes for a lookup (a code beginning with the filter, or a description holding it):
// the window makes one per chart at its first activation. It also opens the host's cost-accounting programs
// for a movement, the movements program and the reconciliation program, and raises
// ChiusuraMovimentiContabilitaIndustriale when the program it opened closes.

#include "controls/CodeLookup.h"
#include "controls/LookupChooser.h"
#include "db/Connection.h"

#include "hostfw/SourceProgramWindow.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace hostfw {

class ClsGlobal;

enum class AccountKind { CostCentre = 0, ExpenseItem = 1 };

class CostLookupDecode final : public QObject, public controls::CodeLookup {
    Q_OBJECT
public:
    // A connector for the programs only: its chart operations have no chart to read.
    explicit CostLookupDecode(QObject* parent = nullptr);
    // Reads the chart of the company through the connection, which must outlive the connector.
    CostLookupDecode(db::Connection& connection, int company, int chart, AccountKind kind);

    // The account's description; nothing when the chart does not hold the code (at the request's level,
    // when it names one).
    std::optional<QString> describe(const controls::CodeRequest& request, const QString& code) const override;
    std::vector<controls::CodeEntry> entries(const controls::CodeRequest& request, const QString& filter,
                                             int limit) const override;

    std::optional<QString> Decode(const QString& code) const { return describe(request(), code); }
    // Opens the lookup over the chart; the chosen code, or nothing.
    std::optional<QString> Lookup(const controls::LookupChooser& chooser, const QString& filter, QWidget* parent) const;

    // The request naming the chart's list ("C.d.C." or "V.d.S."), as the grids name it too.
    controls::CodeRequest request() const;
    int chart() const { return chart_; }
    AccountKind kind() const { return kind_; }

    // The programs. The session is needed while a program opens (its database, decimals and frame); the
    // reason, company and registration number say which movement.
    void setSession(std::shared_ptr<ClsGlobal> session) { session_ = std::move(session); }
    void setCausale(const QString& reason) { reason_ = reason; }
    void setDitta(int company) { programCompany_ = company; }
    void setNumReg(const QString& number) { number_ = number; }
    // Opens the movements program, or the reconciliation program, for the movement. Throws
    // std::logic_error without a session, std::runtime_error or db::Error when the program cannot open.
    void EseguiMovimenti();
    void EseguiQuadratura();
    // Ends a run: the movement's reason, company and number are forgotten, so a next run must name its own.
    void TerminaEsecuzione();
    // Closes the program still open, if any.
    void Chiudi();
    SourceProgramWindow* program() const { return program_; }

signals:
    void ChiusuraMovimentiContabilitaIndustriale();

private:
    db::Connection& chartConnection() const;
    std::string chartCondition(const controls::CodeRequest& request) const;
    template <class Open>
    void run(Open open);

    db::Connection* connection_ = nullptr;
    int company_ = 0;
    int chart_ = 0;
    AccountKind kind_ = AccountKind::CostCentre;

    std::shared_ptr<ClsGlobal> session_;
    QString reason_;
    int programCompany_ = 0;
    QString number_;
    QPointer<SourceProgramWindow> program_;
};

} // namespace hostfw
