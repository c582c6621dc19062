// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's media players (music, video), so that an ezan is not sung
// over music: the ones playing are paused while it sounds and resumed after.
#pragma once

namespace orvanta::platform {

class MediaPlayers {
public:
    virtual ~MediaPlayers() = default;
    // Pauses every player that is playing now and remembers which it paused.
    virtual void pausePlaying() = 0;
    // Resumes the players pausePlaying paused (not those the user paused).
    virtual void resumePaused() = 0;
};

}  // namespace orvanta::platform
