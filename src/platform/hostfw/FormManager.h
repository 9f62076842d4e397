#pragma once
// The framework's form manager of a program window: the window makes it first thing at its first
// activation and gives it the host contract, through which the host's other programs reach the window.

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
