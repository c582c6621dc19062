// orvanta-cli render: the pictures and maps the program draws, at a given
// moment, as 24-bit bitmap files.
#include <ostream>

#include "graphics/dib.h"
#include "graphics/image.h"
#include "graphics/sky_pictures.h"
#include "graphics/world_maps.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

constexpr std::string_view kKinds = "moon, earth, globe, timemap or qiblamap";

graphics::Dib builtIn(std::span<const std::uint8_t> bytes) {
    const auto picture = graphics::readDib(bytes);
    if (!picture) throw CommandFailure("the built-in picture is damaged");
    return *picture;
}

}  // namespace

int runRender(std::span<const std::string> args, std::ostream& out) {
    if (args.empty()) throw UsageError("expects " + std::string(kKinds));
    const std::string& kind = args[0];
    if (kind != "moon" && kind != "earth" && kind != "globe" && kind != "timemap" && kind != "qiblamap") {
        throw UsageError(echoed(kind) + " is not " + std::string(kKinds));
    }
    const Options options(args.subspan(1), {"ini", "lat", "lon", "offset", "date", "time", "out"});
    const auto ini = iniSettings(options);
    const CivilDate date = options.date("date");
    const auto [hour, minute] = options.timeOfDay("time");
    const std::filesystem::path file = options.text("out");
    const PlaceOptions place = placeOptions(options, ini, date);
    const settings::Settings settings = ini.value_or(settings::Settings{});

    engine::Engine engine = engineFor(settings);
    engine.setPlace(place.latitudeHundredths, place.longitudeHundredths, place.offsetMinutes);
    engine.setDate(static_cast<std::int16_t>(date.day), static_cast<std::int16_t>(date.month),
                   static_cast<std::int16_t>(date.year));
    engine.setTimeOfDay(hour, minute);

    const graphics::Dib moon = builtIn(graphics::moonResource());
    const graphics::Dib earth = builtIn(graphics::earthResource());
    const graphics::Dib& source = kind == "moon" ? moon : earth;
    const auto image = [&] {
        if (kind == "moon") return graphics::renderMoon(moon, engine.moonNow(), place.latitudeHundredths < 0);
        const graphics::SunMoment sun = graphics::sunMoment(engine);
        if (kind == "earth") return graphics::renderFlatEarth(earth, sun);
        if (kind == "globe") return graphics::renderGlobe(earth, sun);
        if (kind == "qiblamap") {
            return graphics::renderQiblaMap(earth, place.latitudeHundredths, place.longitudeHundredths);
        }
        graphics::TimeMapPainter painter(earth.width, earth.height, sun,
                                         (settings.imsakAngle + settings.yatsiAngle) / 2.0);
        return graphics::renderTimeMap(earth, painter, place.latitudeHundredths, place.longitudeHundredths);
    }();
    if (const auto failure = graphics::writeWallBmp(file, image, source)) {
        throw CommandFailure(file.string() + ": " + *failure);
    }
    out << file.string() << ' ' << image.width << 'x' << image.height << '\n';
    return kExitOk;
}

}  // namespace orvanta::cli
