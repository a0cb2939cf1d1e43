#include "engine/levels.h"

namespace tarvelle {

double& levelOf(CalculationInputs& inputs, Level level) {
    switch (level) {
        case Level::Input:
            return inputs.levelIn;
        case Level::MinimumAnalog:
            return inputs.analog.minimum;
        case Level::MinimumDigital:
            return inputs.digital.minimum;
        case Level::MaximumAnalog:
            return inputs.analog.maximum;
        case Level::MaximumDigital:
            break;
    }
    return inputs.digital.maximum;
}

}  // namespace tarvelle
