// SPDX-License-Identifier: GPL-3.0-or-later
// Diyanet's method beyond latitude 45°: the rule its published European
// timetables follow (found from Diyanet's 2026 calendars of Berlin, London,
// Oslo and Paris; the manual's "Vakit Hesabı" article gives the figures).
//
//  * The sun of the whole day is the sun at 0h UT: its declination and the
//    equation of time are held there, in double precision.
//  * Güneş and Akşam are sunrise and sunset at 0.833° below the horizon
//    (refraction and the sun's half diameter) with 7 minutes of temkin;
//    Öğle is the transit + 5 minutes, İkindi the shadow's length + 4.
//  * Yatsı is the sun 16° below the horizon, İmsak 18°, while the sun's
//    depth at midnight D = 90° − |φ + δ| allows. Below a scale depth D₀ the
//    depressions are scaled with D ("takdir"): İmsak 18°·D/D₀, Yatsı
//    16°·D/(D₀ − 1°), so each reaches its full angle exactly where its scale
//    starts and the night between them shrinks with the summer nights.
//    D₀ is 27.4° at latitude 50° and falls by 0.08° per degree of latitude
//    (27.8° at 45°, 26.6° at 60°): the tables nearer 45° begin to shorten
//    their twilight a little earlier in spring and keep it short a little
//    longer in summer. (Fitted to the 2026 calendars: with D₀ fixed at 27°,
//    Paris kept only 69 % of its İmsak times within two minutes; fitted on
//    Berlin, London and Oslo alone the slope predicts Paris to 85 %.)
//  * Where the sun stays above 17° below the horizon all night (D < 17°)
//    the scaled dawn would crowd the midnight: İmsak and Yatsı keep the
//    share of the night (sunset to sunrise) they have on the nearest day on
//    which the sun reaches 17° (the "nearest day" of the old timekeepers).
//  * Day and night each last at least five hours (the 2021 International
//    Prayer Times Congress): where the sun does not rise or set, or the day
//    or the night is shorter, sunrise and sunset are held 2 h 30 min from
//    the transit or from midnight.
//  * The times are rounded to the nearest minute.
#include <algorithm>
#include <cmath>
#include <fmt/format.h>

#include "engine/constants.h"
#include "engine/engine.h"

namespace orvanta::engine {

namespace {

using namespace constants;

constexpr double kMinutesPerDay = 1440.0;
constexpr double kHalfDayMinutes = 720.0;
constexpr double kMinutesPerDegreeOfLongitude = 4.0;

// Sunrise and sunset: refraction (34′) and the sun's half diameter (16′).
constexpr double kSunriseDepressionDegrees = 0.8333;
// İşrak and İsfirar: the sun 5° above the horizon.
constexpr double kIsrakAltitudeDegrees = 5.0;
// The full twilight depressions and the midnight depths where the scaling begins.
constexpr double kImsakDepressionDegrees = 18.0;
constexpr double kYatsiDepressionDegrees = 16.0;
// İmsak's scale depth at kScaleDepthLatitudeDegrees, its change per degree
// of latitude, and how much earlier (shallower) Yatsı's scale starts.
constexpr double kImsakScaleDepthDegrees = 27.4;
constexpr double kScaleDepthLatitudeDegrees = 50.0;
constexpr double kScaleDepthPerDegreeOfLatitude = -0.08;
constexpr double kYatsiScaleDepthBelowImsakDegrees = 1.0;
// Below this midnight depth the night's share of the nearest day is kept.
constexpr double kNearestDayDepthDegrees = 17.0;
// Day and night last at least five hours: half of it from the transit or
// from midnight.
constexpr double kShortestHalfMinutes = 150.0;
// The shadow altitude is lowered by 0.015° per shadow length, as in the
// other modes.
constexpr double kShadowLoweringDegreesPerLength = 0.015;

// Temkins of the European timetables, minutes.
constexpr double kGunesTemkin = -7.0;
constexpr double kIsrakTemkin = 10.0;
constexpr double kOgleAfterTransit = 5.0;
constexpr double kIkindiTemkin = 4.0;
constexpr double kAksamTemkin = 7.0;

// The sun's place for one day at one place.
struct DaySky {
    double sinLatitude;
    double cosLatitude;
    double latitudeDegrees;
    double declinationRadians;
    double transitMinutes;  // local clock minutes of the transit
};

// Minutes from the transit at which the sun stands at altitudeDegrees
// (0 when it never sinks so low, 720 when it never rises so high).
double hourAngleMinutes(const DaySky& sky, double altitudeDegrees) {
    const double x = (std::sin(altitudeDegrees * kRadiansPerDegree) - sky.sinLatitude * std::sin(sky.declinationRadians)) /
                     (sky.cosLatitude * std::cos(sky.declinationRadians));
    return std::acos(std::clamp(x, -1.0, 1.0)) * kMinutesPerRadian;
}

// Half the day from sunrise to sunset, held so that day and night each
// last at least five hours.
double halfDayMinutes(const DaySky& sky) {
    return std::clamp(hourAngleMinutes(sky, -kSunriseDepressionDegrees), kShortestHalfMinutes,
                      kHalfDayMinutes - kShortestHalfMinutes);
}

// The sun's depth below the horizon at midnight, degrees.
double midnightDepthDegrees(double latitudeDegrees, double declinationRadians) {
    return 90.0 - std::fabs(latitudeDegrees + declinationRadians * kDegreesPerRadian);
}

// The afternoon altitude at which a stick's shadow is `lengths` lengths
// plus its noon shadow.
double shadowAltitudeDegrees(const DaySky& sky, int lengths) {
    const double noonShadow = std::fabs(std::tan(sky.latitudeDegrees * kRadiansPerDegree - sky.declinationRadians));
    return std::atan(1.0 / (lengths + noonShadow)) * kDegreesPerRadian - lengths * kShadowLoweringDegreesPerLength;
}

struct Twilight {
    double minutesFromSun;  // before sunrise (İmsak) or after sunset (Yatsı)
    TwilightRule rule;
    double depressionDegrees;
};

// The share of the half night (sunset to midnight) that the twilight of
// depression depressionDegrees takes on a day of declination declinationRadians.
double nightShare(DaySky sky, double declinationRadians, double depressionDegrees) {
    sky.declinationRadians = declinationRadians;
    const double halfDay = halfDayMinutes(sky);
    // Held within the night: near the pole the nearest day is itself
    // polar, its twilight cut by the five-hour floor.
    return std::clamp((hourAngleMinutes(sky, -depressionDegrees) - halfDay) / (kHalfDayMinutes - halfDay), 0.0, 1.0);
}

// İmsak's or Yatsı's distance from sunrise or sunset by the rules above.
Twilight twilight(const DaySky& sky, double fullDepression, double scaleDepth) {
    const double depth = midnightDepthDegrees(sky.latitudeDegrees, sky.declinationRadians);
    const double halfDay = halfDayMinutes(sky);
    if (depth >= kNearestDayDepthDegrees) {
        const bool full = depth >= scaleDepth;
        const double depression = full ? fullDepression : fullDepression * depth / scaleDepth;
        return {hourAngleMinutes(sky, -depression) - halfDay,
                full ? TwilightRule::FullDepression : TwilightRule::ScaledDepression, depression};
    }
    // The nearest day whose sun reaches 17°: the declination at which the
    // midnight depth is 17°, on the side of the equator of the place.
    const double side = sky.latitudeDegrees >= 0.0 ? 1.0 : -1.0;
    const double nearestDeclination =
        (side * (90.0 - kNearestDayDepthDegrees) - sky.latitudeDegrees) * kRadiansPerDegree;
    const double nearestDepression = fullDepression * kNearestDayDepthDegrees / scaleDepth;
    const double share = nightShare(sky, nearestDeclination, nearestDepression);
    return {share * (kHalfDayMinutes - halfDay), TwilightRule::NightShare, nearestDepression};
}

// The hour angle of a daytime altitude, within the day from sunrise to
// sunset (under the midnight sun the sun may never sink to it).
double daytimeHourAngleMinutes(const DaySky& sky, double altitudeDegrees, double halfDay) {
    return std::min(hourAngleMinutes(sky, altitudeDegrees), halfDay);
}

std::uint16_t clockMinutes(double minutes) {
    return static_cast<std::uint16_t>(wrapMinutes(static_cast<std::int32_t>(std::floor(minutes + 0.5))));
}

}  // namespace

double imsakScaleDepthDegrees(double latitudeDegrees) {
    return kImsakScaleDepthDegrees +
           kScaleDepthPerDegreeOfLatitude * (std::fabs(latitudeDegrees) - kScaleDepthLatitudeDegrees);
}

SolarPosition solarPositionAt(double daysSinceJ2000) {
    const double g = kMeanAnomalyAtEpoch + kMeanAnomalyPerDay * daysSinceJ2000;
    const double meanLongitude = kMeanLongitudeAtEpoch + kMeanLongitudePerDay * daysSinceJ2000;
    const double lambda = meanLongitude + kCentreTerm1 * std::sin(g) + kCentreTerm2 * std::sin(2.0 * g);
    const double rightAscension = std::atan2(kCosObliquity * std::sin(lambda), std::cos(lambda));
    double turns = (meanLongitude - rightAscension) / kTwoPi;
    turns -= std::round(turns);
    return {std::asin(kSinObliquity * std::sin(lambda)), turns * kMinutesPerDay};
}

DiyanetDay highLatitudeDiyanetDay(std::int32_t dayNumber, double latitudeDegrees, double longitudeDegrees,
                                  std::int32_t clockOffsetMinutes) {
    // 0h UT of the day: J2000.0 is noon of day 0.
    const SolarPosition sun = solarPositionAt(dayNumber - 0.5);
    const double latitude = latitudeDegrees * kRadiansPerDegree;
    const DaySky sky{std::sin(latitude), std::cos(latitude), latitudeDegrees, sun.declinationRadians,
                     kHalfDayMinutes - kMinutesPerDegreeOfLongitude * longitudeDegrees - sun.equationOfTimeMinutes +
                         clockOffsetMinutes};
    const double t = sky.transitMinutes;
    const double halfDay = halfDayMinutes(sky);
    const double imsakScaleDepth = imsakScaleDepthDegrees(latitudeDegrees);
    Twilight imsak = twilight(sky, kImsakDepressionDegrees, imsakScaleDepth);
    Twilight yatsi = twilight(sky, kYatsiDepressionDegrees, imsakScaleDepth - kYatsiScaleDepthBelowImsakDegrees);
    // Near the pole the twilight may vanish; İmsak stays before Güneş and
    // Yatsı after Akşam.
    imsak.minutesFromSun = std::max(imsak.minutesFromSun, -kGunesTemkin);
    yatsi.minutesFromSun = std::max(yatsi.minutesFromSun, kAksamTemkin);
    const double imsakFromTransit = halfDay + imsak.minutesFromSun;
    const double israk = daytimeHourAngleMinutes(sky, kIsrakAltitudeDegrees, halfDay);

    DiyanetDay day;
    day.times = {
        clockMinutes(t - imsakFromTransit),
        clockMinutes(t - halfDay + kGunesTemkin),
        clockMinutes(t - israk + kIsrakTemkin),
        // İstiva: as in the other modes, before the transit by half of
        // İmsak's lead on sunrise.
        clockMinutes(t - imsak.minutesFromSun * 0.5),
        clockMinutes(t + kOgleAfterTransit),
        clockMinutes(t + daytimeHourAngleMinutes(sky, shadowAltitudeDegrees(sky, 1), halfDay) + kIkindiTemkin),
        clockMinutes(t + daytimeHourAngleMinutes(sky, shadowAltitudeDegrees(sky, 2), halfDay) + kIkindiTemkin),
        clockMinutes(t + israk),
        clockMinutes(t + halfDay + kAksamTemkin),
        clockMinutes(t + halfDay + yatsi.minutesFromSun),
    };
    day.imsakRule = imsak.rule;
    day.yatsiRule = yatsi.rule;
    day.imsakDepressionDegrees = static_cast<float>(imsak.depressionDegrees);
    day.yatsiDepressionDegrees = static_cast<float>(yatsi.depressionDegrees);
    return day;
}

std::string twilightRuleText(TwilightRule rule, float depressionDegrees) {
    switch (rule) {
    case TwilightRule::PresetAngle:
        return fmt::format("açı ({:.1f}°)", depressionDegrees);
    case TwilightRule::FullDepression:
        return fmt::format("açı ({:.1f}°, 45° ötesi)", depressionDegrees);
    case TwilightRule::ScaledDepression:
        return fmt::format("takdir (45° ötesi, {:.1f}°)", depressionDegrees);
    case TwilightRule::NightShare:
        return "en yakın gün (45° ötesi, gecenin payı)";
    }
    return {};
}

bool Engine::usesHighLatitudeRule() const {
    return parameters.diyanetMethod &&
           std::fabs(static_cast<double>(context.latitudeRadians) * kDegreesPerRadian) >= kDiyanetThresholdDegrees;
}

const DiyanetDay& Engine::highLatitudeDay() {
    HighLatitudeMemo& memo = highLatitude_;
    const DayContext& c = context;
    const std::int32_t day = dayNumber();
    if (!memo.valid || memo.dayNumber != day || memo.latitudeRadians != c.latitudeRadians ||
        memo.longitudeMinutes != c.longitudeMinutes || memo.clockOffset != c.clockOffset) {
        memo = {true, day, c.latitudeRadians, c.longitudeMinutes, c.clockOffset,
                highLatitudeDiyanetDay(day, c.latitudeRadians * kDegreesPerRadian,
                                       c.longitudeMinutes / kMinutesPerDegreeOfLongitude, c.clockOffset)};
    }
    return memo.day;
}

DiyanetDay Engine::diyanetDay() {
    if (usesHighLatitudeRule()) return highLatitudeDay();
    DiyanetDay day;
    day.times = computeDay();
    day.imsakDepressionDegrees = -parameters.imsakAngle;
    day.yatsiDepressionDegrees = -parameters.yatsiAngle;
    return day;
}

}  // namespace orvanta::engine
