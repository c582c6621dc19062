// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/sky_values.h"

namespace orvanta::graphics {

SkyValues skyValues(engine::Engine& engine) {
    SkyValues sky;
    sky.qibla = engine.qiblaTenths();
    sky.sunAzimuth = engine.sunAzimuthNow();
    sky.sunAltitude = engine.sunAltitudeNow();
    sky.magneticDeclination = engine.magneticDeclinationTenths(0);
    sky.modelValid = engine.context.geomagneticModelValid == 1;
    sky.horizontalIntensity = engine.horizontalIntensityHundreds(0);
    sky.moonAzimuth = engine.moonAzimuthTenths();
    sky.moonAltitude = engine.moonAltitudeTenths();
    sky.moonElongation = engine.moonNow();
    sky.moonLatitude = engine.moonLatitudeTenths();
    sky.moonDistance = engine.moonSurfaceDistanceTenths();
    sky.sunDistance = engine.sunDistanceTenths();
    sky.sunLongitude = engine.sunLongitudeTenths();
    sky.sunDeclination = engine.sunDeclinationTenths();
    sky.noonDeviation = engine.noonDeviationTenths();
    sky.skyMessage = engine::moonSkyMessage(sky.moonElongation, sky.moonLatitude, sky.sunAltitude, sky.moonAltitude);
    return sky;
}

}  // namespace orvanta::graphics
