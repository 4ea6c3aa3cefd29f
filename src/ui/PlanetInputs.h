#pragma once
// The planet inputs of the resource panel: the plan's numbers, which follow
// every accepted change of the temperature and satellite edits at once.

#include "queue/Timeline.h"
#include "rules/Production.h"

#include <cstdint>

namespace korvelin {

struct MainForm;

int32_t ReadMaxTemperature(const MainForm &form);
int32_t ReadSatelliteCount(const MainForm &form);
PlanetInputs ReadPlanetInputs(const MainForm &form);
// The plan's planet with the inputs as typed now.
Planet CurrentPlanet(const MainForm &form);
// A source for the timeline that reads the plan's inputs afresh at every evaluation.
// The form must outlive it.
PlanetInputSource PlanetInputsOf(const MainForm &form);
// The economy at queue position n with the planet inputs as typed now.
Economy EconomyAt(const MainForm &form, int32_t n);

} // namespace korvelin
