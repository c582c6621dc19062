// SPDX-License-Identifier: GPL-3.0-or-later
// The engine with its working state and solver steps open, for the tests
// that pin the steps themselves (the solver, the moon, the field).
#pragma once

#include "engine/engine.h"

namespace orvanta::engine {

struct OpenEngine : Engine {
    using Engine::asrHourAngle;
    using Engine::azimuthTenths;
    using Engine::computeGeomagnetic;
    using Engine::computeMoon;
    using Engine::computeVakit;
    using Engine::context;
    using Engine::epochDays;
    using Engine::horizontalIntensityHundreds;
    using Engine::hourAngleForAltitude;
    using Engine::localTransit;
    using Engine::moonLatitudeTenths;
    using Engine::moonSurfaceDistanceTenths;
    using Engine::noonDeviationTenths;
    using Engine::religiousDay;
    using Engine::sunAtLocalTime;
    using Engine::sunDeclinationTenths;
    using Engine::sunDistanceTenths;
    using Engine::sunLongitudeTenths;
    using Engine::updateSun;
    using Engine::usesHighLatitudeRule;
};

}  // namespace orvanta::engine
