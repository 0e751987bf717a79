// The aspects' part of a wheel paint: the lines inside the wheel and the printed grid.
#pragma once

#include "aspects/orb_file.h"
#include "settings/option_values.h"
#include "wheel/wheel_inputs.h"

namespace orvantis {

// Sets the inputs' aspect-line step (option orbs, drawn when option 47 is 1) and printed-grid
// step (the orbs of the orb file, printed when option 122 is not 0). The options and orbs must
// outlive every paint with these inputs; set the inputs' style first.
void AttachAspects(WheelInputs& inputs, const OptionValues& options, const OrbValues& orbs);

}  // namespace orvantis
