#pragma once

// The auto-start value as the windows use it: faults shown in the error box.

#include "model/RunValue.h"

namespace halvo {

// Writes the value when it is missing or empty; a fault is shown.
void EnsureRunValueShowingFaults();

// Writes the value, replacing any earlier text. False only when the value could not be written (shown).
bool WriteRunValueShowingFaults();

} // namespace halvo
