#pragma once

#include <stdexcept>

namespace tarvelle {

// The three floating-point faults that stop a calculation; underflow and
// inexact results are not faults.
enum class ArithmeticFault { Overflow, DivisionByZero, InvalidOperation };

const char* faultName(ArithmeticFault fault);

class ArithmeticError : public std::runtime_error {
  public:
    explicit ArithmeticError(ArithmeticFault fault)
        : std::runtime_error(faultName(fault)), fault_(fault) {}

    ArithmeticFault fault() const { return fault_; }

  private:
    ArithmeticFault fault_;
};

}  // namespace tarvelle
