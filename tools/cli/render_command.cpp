// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli render: the pictures and maps the program draws, at a given
// moment, as 24-bit bitmap files.
#include <optional>
#include <ostream>

#include "graphics/image.h"
#include "graphics/pictures.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

constexpr std::string_view kKinds = "moon, earth, globe, timemap or qiblamap";

std::optional<graphics::Picture> pictureNamed(std::string_view kind) {
    if (kind == "moon") return graphics::Picture::Moon;
    if (kind == "earth") return graphics::Picture::FlatEarth;
    if (kind == "globe") return graphics::Picture::Globe;
    if (kind == "timemap") return graphics::Picture::TimeMap;
    if (kind == "qiblamap") return graphics::Picture::QiblaMap;
    return std::nullopt;
}

}  // namespace

int runRender(std::span<const std::string> args, std::ostream& out) {
    if (args.empty()) throw UsageError("expects " + std::string(kKinds));
    const std::optional<graphics::Picture> picture = pictureNamed(args[0]);
    if (!picture) throw UsageError(echoed(args[0]) + " is not " + std::string(kKinds));
    const Options options(args.subspan(1), {"ini", "lat", "lon", "offset", "zone", "date", "time", "out", "preset"});
    const auto ini = iniSettings(options);
    const CivilDate date = options.date("date");
    const auto [hour, minute] = options.timeOfDay("time");
    const std::filesystem::path file = options.text("out");
    const PlaceOptions place = placeOptions(options, ini, date);
    settings::Settings settings = withPreset(options, ini.value_or(settings::Settings{}));
    settings.latitude = place.latitudeHundredths;
    settings.longitude = place.longitudeHundredths;

    engine::Engine engine = engineFor(settings);
    engine.setPlace(place.latitudeHundredths, place.longitudeHundredths, place.offsetMinutes);
    engine.setDate(static_cast<std::int16_t>(date.day), static_cast<std::int16_t>(date.month),
                   static_cast<std::int16_t>(date.year));
    engine.setTimeOfDay(hour, minute);

    std::optional<graphics::TimeMapPainter> timeMap;
    const graphics::Image image = graphics::renderPicture(*picture, engine, settings, timeMap);
    if (const auto failure = graphics::writeWallBmp(file, image, graphics::pictureSource(*picture))) {
        throw CommandFailure("orvanta-cli render: cannot write " + echoed(file.string()) + ": " + *failure + "\n");
    }
    out << file.string() << ' ' << image.width << 'x' << image.height << '\n';
    return kExitOk;
}

}  // namespace orvanta::cli
