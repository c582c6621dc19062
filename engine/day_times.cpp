// SPDX-License-Identifier: GPL-3.0-or-later
// The value functions: each sets a fresh engine to its arguments and asks
// in one fixed order, so the same arguments give the same bits whatever
// was computed before.
#include "engine/day_times.h"

#include "engine/engine.h"

namespace orvanta::engine {

namespace {

Engine engineAt(const Place& place, const Date& date) {
    Engine engine;
    engine.setPlace(place.latitudeHundredths, place.longitudeHundredths, place.clockOffsetMinutes);
    engine.setDate(date.day, date.month, date.year);
    return engine;
}

}  // namespace

VakitTimes DayTimes::byType() const {
    VakitTimes indexed{};
    for (std::size_t i = 0; i < times.size(); ++i) indexed[i + 1] = times[i];
    return indexed;
}

DayTimes computeDay(const Place& place, const Date& date, const CalculationParameters& parameters) {
    Engine engine = engineAt(place, date);
    engine.parameters = parameters;
    DayTimes day{engine.diyanetDay()};
    day.imsakHourAngleMinutes = engine.state().imsakHourAngle;
    day.aksamHourAngleMinutes = engine.state().aksamHourAngle;
    return day;
}

SkyValues skyAt(const Place& place, const Date& date, std::int16_t minuteOfDay) {
    Engine engine = engineAt(place, date);
    constexpr int kMinutesPerHour = 60;
    engine.setTimeOfDay(static_cast<std::int16_t>(minuteOfDay / kMinutesPerHour),
                        static_cast<std::int16_t>(minuteOfDay % kMinutesPerHour));
    return engine.sky();
}

HijriDate hijriDate(const Place& place, const Date& date, bool worldCalendar) {
    Engine engine = engineAt(place, date);
    engine.parameters.diyanetMethod = worldCalendar;
    HijriDate hijri;
    hijri.religiousDays = engine.religiousDays();
    hijri.year = engine.hijriYear();
    hijri.month = engine.hijriMonth();
    hijri.day = engine.computeHijri();
    return hijri;
}

SkyValues Engine::sky() {
    SkyValues sky;
    sky.qibla = qiblaTenths();
    sky.sunAzimuth = sunAzimuthNow();
    sky.sunAltitude = sunAltitudeNow();
    sky.magneticDeclination = magneticDeclinationTenths(0);
    sky.modelValid = context.geomagneticModelValid == 1;
    sky.horizontalIntensity = horizontalIntensityHundreds(0);
    sky.moonAzimuth = moonAzimuthTenths();
    sky.moonAltitude = moonAltitudeTenths();
    sky.moonElongation = moonNow();
    sky.moonLatitude = moonLatitudeTenths();
    sky.moonDistance = moonSurfaceDistanceTenths();
    sky.sunDistance = sunDistanceTenths();
    sky.sunLongitude = sunLongitudeTenths();
    sky.sunDeclination = sunDeclinationTenths();
    sky.noonDeviation = noonDeviationTenths();
    sky.skyMessage = moonSkyMessage(sky.moonElongation, sky.moonLatitude, sky.sunAltitude, sky.moonAltitude);
    return sky;
}

}  // namespace orvanta::engine
