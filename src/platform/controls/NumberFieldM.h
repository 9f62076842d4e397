#pragma once
// A number field with a key button: the same typing and display as NumberField, plus the menu through
// which the window offers the program that manages the number (the exchange-rate table of a rate).

#include "controls/NumberField.h"

namespace controls {

class NumberFieldM : public NumberField {
    Q_OBJECT
public:
    inline static const QString managementKey = QStringLiteral("Kgestione");

    explicit NumberFieldM(QWidget* parent = nullptr);
};

} // namespace controls
