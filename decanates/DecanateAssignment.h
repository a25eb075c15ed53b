#pragma once

#include "app/ChartState.h"

namespace tessaline {

// Reads position table entries 0..9 and fills decanateResults; a body whose entry names no known sign,
// or whose first two characters are not two digits, keeps its previous result.
void Decanate_Calculation(ChartState& state);

} // namespace tessaline
