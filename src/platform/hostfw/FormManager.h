#pragma once
// The framework's form manager of a program window: the window makes it first thing at its first
// activation and gives it the host contract it was opened with; it goes when the window unloads.

namespace hostfw {

class Cinterface;

class FormManager {
public:
    explicit FormManager(Cinterface* contract) : contract_(contract) {}

    Cinterface* contract() const { return contract_; }

private:
    Cinterface* contract_;
};

} // namespace hostfw
