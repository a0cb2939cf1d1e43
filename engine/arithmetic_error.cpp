#include "engine/arithmetic_error.h"

namespace tarvelle {

const char* faultName(ArithmeticFault fault) {
    switch (fault) {
        case ArithmeticFault::Overflow:
            return "Overflow";
        case ArithmeticFault::DivisionByZero:
            return "Division by zero";
        case ArithmeticFault::InvalidOperation:
            return "Invalid floating-point operation";
    }
    return "Arithmetic fault";
}

}  // namespace tarvelle
