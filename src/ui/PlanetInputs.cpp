#include "ui/PlanetInputs.h"

#include "ui/MainForm.h"

namespace korvelin {

// The plan's numbers, which follow every accepted change of the edits.
int32_t ReadMaxTemperature(const MainForm &form)
{
    return form.document.StartPlanet().inputs.maxTemperature;
}

int32_t ReadSatelliteCount(const MainForm &form)
{
    return form.document.StartPlanet().inputs.satellites;
}

PlanetInputs ReadPlanetInputs(const MainForm &form)
{
    return form.document.StartPlanet().inputs;
}

Planet CurrentPlanet(const MainForm &form)
{
    return form.document.StartPlanet();
}

PlanetInputSource PlanetInputsOf(const MainForm &form)
{
    return [&form] { return ReadPlanetInputs(form); };
}

Economy EconomyAt(const MainForm &form, int32_t n)
{
    return form.queue.EconomyAt(n, ReadPlanetInputs(form));
}

} // namespace korvelin
