#include "ui/PlanetInputs.h"

#include "ui/MainForm.h"
#include "util/ParseInt.h"

namespace korvelin {

int32_t ReadMaxTemperature(const MainForm &form)
{
    return ParseInt(form.MaxTemperatureEdit->text().toStdString());
}

int32_t ReadSatelliteCount(const MainForm &form)
{
    return ParseInt(form.SatelliteCountEdit->text().toStdString());
}

PlanetInputs ReadPlanetInputs(const MainForm &form)
{
    return {ReadMaxTemperature(form), ReadSatelliteCount(form), form.document.StartPlanet().inputs.economySpeed};
}

Planet CurrentPlanet(const MainForm &form)
{
    Planet planet = form.document.StartPlanet();
    planet.inputs = ReadPlanetInputs(form);
    return planet;
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
