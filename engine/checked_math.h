#pragma once

// Every floating-point step of the distance model is checked by looking at its
// result rather than at the floating-point status flags: the optimiser is free
// to reorder or drop flag updates, never results. A Checked number keeps the
// formulas readable: each operator is one checked step.

#include <cmath>

#include "engine/arithmetic_error.h"

namespace tarvelle {

class Checked {
  public:
    // Implicit, so that a plain operand joins a checked formula.
    constexpr Checked(double value) : value_(value) {}  // NOLINT(google-explicit-constructor)

    constexpr double value() const { return value_; }

    friend Checked operator+(Checked a, Checked b) { return result(a.value_ + b.value_); }
    friend Checked operator-(Checked a, Checked b) { return result(a.value_ - b.value_); }
    friend Checked operator*(Checked a, Checked b) { return result(a.value_ * b.value_); }
    friend Checked operator/(Checked a, Checked b) {
        if (b.value_ == 0.0) {
            throw ArithmeticError(a.value_ == 0.0 || std::isnan(a.value_)
                                      ? ArithmeticFault::InvalidOperation
                                      : ArithmeticFault::DivisionByZero);
        }
        return result(a.value_ / b.value_);
    }
    friend Checked sqrt(Checked a) {
        if (a.value_ < 0.0) {
            throw ArithmeticError(ArithmeticFault::InvalidOperation);
        }
        return result(std::sqrt(a.value_));
    }

  private:
    static double result(double value) {
        if (std::isnan(value)) {
            throw ArithmeticError(ArithmeticFault::InvalidOperation);
        }
        if (std::isinf(value)) {
            throw ArithmeticError(ArithmeticFault::Overflow);
        }
        return value;
    }

    double value_;
};

}  // namespace tarvelle
