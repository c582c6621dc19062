// SPDX-License-Identifier: GPL-3.0-or-later
// The daily prayer times from the sun's position.
//
// Each time is the sun's transit plus an hour angle found by its own rule,
// plus the time's temkin (precaution margin), truncated to the minute. The
// transit carries an extra half minute, so the truncation rounds to the
// nearest minute. The mode decides whether temkin applies (not in mode 0),
// whether the high-latitude limits apply (modes 2..5) and how Yatsı is
// bounded (modes 3..5).
#include "engine/constants.h"
#include "engine/engine.h"

#include <cmath>

namespace orvanta::engine {

namespace {

using namespace constants;

// Altitudes and their evening mirrors (180° − h) as the single-precision
// radians the solver receives.
constexpr float kSunriseAltitude = -0.017453292f;   // −1°: Güneş, İstiva's sunrise
constexpr float kIsrakAltitude = 0.08726646f;       // +5°: İşrak
constexpr float kIsfirarArgument = 3.0543263f;      // 175° = 180° − 5°: İsfirar
constexpr float kSunsetArgument = 3.159046f;        // 181° = 180° − (−1°): Akşam
// Öğle: the transit plus two minutes, before temkin.
constexpr float kOgleAfterTransitMinutes = 2.0f;
constexpr std::int16_t kMinutesPerDay = 1440;

// Limit levels of the altitude solver (see hourAngleLimits).
constexpr std::int16_t kLevelTwilight = 1;  // İmsak, Yatsı
constexpr std::int16_t kLevelSunrise = 2;   // everything else that is solved

constexpr std::int16_t kTiedYatsiMode = 5;

}  // namespace

const std::array<std::string_view, kVakitCount> vakitNames{
    "SABAH", "İMSAK", "GÜNEŞ", "İŞRAK", "İSTİVA", "ÖĞLE", "İKİNDİ", "ASR-I SANİ", "İSFİRAR", "AKŞAM", "YATSI"};
const std::array<std::string_view, kVakitCount> vakitTitles{
    "Sabah", "İmsak", "Güneş", "İşrak", "İstiva", "Öğle", "İkindi", "Asr-ı Sani", "İsfirar", "Akşam", "Yatsı"};
const std::array<std::string_view, kVakitCount> vakitKeys{
    "sabah", "imsak", "gunes", "israk", "istiva", "ogle", "ikindi", "asrisani", "isfirar", "aksam", "yatsi"};

const std::array<std::int32_t, kComputedVakits> defaultTemkin{-2, -6, 10, 0, 5, 4, 4, 0, 8, 2};

std::uint16_t Engine::computeVakit(VakitType type) {
    if (type != VakitType::Sabah && usesHighLatitudeRule()) {
        return highLatitudeDay().times[static_cast<std::size_t>(type) - 1];
    }
    DayContext& c = context;
    const std::int16_t mode = parameters.mode;
    c.limitLevel = kLevelSunrise;

    switch (type) {
    case VakitType::Imsak:
        c.limitLevel = kLevelTwilight;
        hourAngleForVakitAltitude(type, static_cast<float>(parameters.imsakAngle * kRadiansPerDegree));
        c.imsakHourAngle = static_cast<std::int16_t>(std::trunc(c.hourAngle));
        break;
    case VakitType::Gunes:
        hourAngleForVakitAltitude(type, kSunriseAltitude);
        break;
    case VakitType::Israk:
        hourAngleForVakitAltitude(type, kIsrakAltitude);
        break;
    case VakitType::Istiva: {
        // Midway between İmsak and the sunset mirrored from sunrise about
        // the transit.
        hourAngleForVakitAltitude(type, kSunriseAltitude);
        const Real sunriseHourAngle = c.hourAngle;
        c.hourAngle = static_cast<float>((c.imsakHourAngle - sunriseHourAngle) * 0.5);
        updateSun();
        break;
    }
    case VakitType::Ogle:
        c.hourAngle = kOgleAfterTransitMinutes;
        updateSun();
        break;
    case VakitType::Ikindi:
        asrHourAngle(1);
        break;
    case VakitType::AsriSani:
        asrHourAngle(2);
        break;
    case VakitType::Isfirar:
        hourAngleForVakitAltitude(type, kIsfirarArgument);
        break;
    case VakitType::Aksam:
        hourAngleForVakitAltitude(type, kSunsetArgument);
        c.aksamHourAngle = static_cast<std::int16_t>(std::trunc(c.hourAngle));
        break;
    case VakitType::Yatsi:
        if (mode == kTiedYatsiMode) {
            c.hourAngle = static_cast<float>(
                c.aksamHourAngle + parameters.temkin[static_cast<std::size_t>(VakitType::Aksam)]);
            break;
        }
        c.limitLevel = kLevelTwilight;
        hourAngleForVakitAltitude(type, static_cast<float>((180.0 - parameters.yatsiAngle) * kRadiansPerDegree));
        if (mode == 3 || mode == 4) {
            // No later than Akşam plus a half (mode 3) or a third (mode 4)
            // of the night from Akşam to the next İmsak.
            const auto night = static_cast<std::int16_t>(c.imsakHourAngle + kMinutesPerDay - c.aksamHourAngle);
            const auto share = static_cast<std::int16_t>(night / (mode - 1));
            const auto bound = static_cast<std::int16_t>(c.aksamHourAngle + share);
            if (bound < c.hourAngle) c.hourAngle = bound;
        }
        break;
    case VakitType::Sabah:
        // Set by the scheduler from Güneş or İmsak; never computed here.
        break;
    }

    const std::int16_t temkin = (mode != 0) ? parameters.temkin[static_cast<std::size_t>(type)] : std::int16_t{0};
    const Real clock = localTransit() + (temkin + static_cast<Real>(c.hourAngle));
    return static_cast<std::uint16_t>(wrapMinutes(static_cast<std::int32_t>(std::trunc(clock))));
}

std::array<std::uint16_t, kComputedVakits> Engine::computeDay() {
    std::array<std::uint16_t, kComputedVakits> times{};
    for (int i = 0; i < kComputedVakits; ++i) {
        times[static_cast<std::size_t>(i)] = computeVakit(static_cast<VakitType>(i + 1));
    }
    return times;
}

}  // namespace orvanta::engine
