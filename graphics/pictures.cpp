// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/pictures.h"

#include "graphics/sky_pictures.h"

namespace orvanta::graphics {

const Dib& moonPicture() {
    static const Dib picture = *readDib(moonResource());
    return picture;
}

const Dib& landMask() {
    static const Dib mask = *readDib(earthResource());
    return mask;
}

const Dib& pictureSource(Picture picture) { return picture == Picture::Moon ? moonPicture() : landMask(); }

Image renderPicture(Picture picture, engine::Engine& engine, const settings::Settings& settings,
                    std::optional<TimeMapPainter>& timeMap) {
    switch (picture) {
        case Picture::Moon: return renderMoon(moonPicture(), engine.moonNow(), settings.latitude < 0);
        case Picture::FlatEarth: return renderFlatEarth(landMask(), sunMoment(engine));
        case Picture::Globe: return renderGlobe(landMask(), sunMoment(engine));
        case Picture::QiblaMap: return renderQiblaMap(landMask(), settings.latitude, settings.longitude);
        case Picture::TimeMap: break;
    }
    const SunMoment sun = sunMoment(engine);
    if (timeMap) {
        timeMap->restart(sun);
    } else {
        timeMap.emplace(landMask().width, landMask().height, sun, (settings.imsakAngle + settings.yatsiAngle) / 2.0);
    }
    return renderTimeMap(landMask(), *timeMap, settings.latitude, settings.longitude);
}

}  // namespace orvanta::graphics
