// SPDX-License-Identifier: MIT
// The registry's own header: the builder of each category's table, in tab order. Each
// category file defines its builder; the registry (categories.cpp) calls each once, on
// first use, and nothing else calls them.
#pragma once

#include "category_table.h"

namespace tevrimo {

CategoryTable BuildLength();
CategoryTable BuildArea();
CategoryTable BuildVolume();
CategoryTable BuildMass();
CategoryTable BuildForce();
CategoryTable BuildPressure();
CategoryTable BuildTemperature();
CategoryTable BuildTime();
CategoryTable BuildSpeed();
CategoryTable BuildDensity();
CategoryTable BuildEnergy();
CategoryTable BuildDataStorage();
CategoryTable BuildVacuum();

}  // namespace tevrimo
