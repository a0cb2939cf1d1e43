#pragma once

// Every floating-point step of the distance model goes through these helpers,
// which look at the result itself rather than at the floating-point status
// flags: the optimiser is free to reorder or drop flag updates, never results.

#include <cmath>

#include "arithmetic_error.h"

namespace tarvelle::checked {

inline double result(double value) {
    if (std::isnan(value)) {
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    }
    if (std::isinf(value)) {
        throw ArithmeticError(ArithmeticFault::Overflow);
    }
    return value;
}

inline double add(double a, double b) {
    return result(a + b);
}
inline double sub(double a, double b) {
    return result(a - b);
}
inline double mul(double a, double b) {
    return result(a * b);
}

inline double div(double a, double b) {
    if (b == 0.0) {
        throw ArithmeticError(a == 0.0 || std::isnan(a) ? ArithmeticFault::InvalidOperation
                                                        : ArithmeticFault::DivisionByZero);
    }
    return result(a / b);
}

inline double sqrt(double a) {
    if (a < 0.0) {
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    }
    return result(std::sqrt(a));
}

}  // namespace tarvelle::checked
