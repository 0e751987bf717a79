// Stepping the moment of an election record whose zone is named by real time, not by the clock.
#pragma once

#include "chart/chart_state.h"

namespace orvantis {

// Moves a record whose zone is named (ElectZoneName) by `minutes` of real time (+-60 for an hour,
// +-1 for a minute) and shows the local clock of the new instant with the offset in force then:
// across a change of the clocks an hour back from the second 01:30 is the first 01:30, and an
// hour on from 01:30 before a spring change is 03:30. A record without a name, or whose name the
// database has lost, steps its clock as the 12-hour steps do.
void StepInstant(ElectionData& e, int minutes);

}  // namespace orvantis
