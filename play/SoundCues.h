#pragma once

namespace orbivane {

// The three sounds of the walk; each plays to its end before it returns.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    virtual void SonAvance() = 0;        // an accepted step
    virtual void SonStop() = 0;          // a refused step
    virtual void SonFelicitations() = 0; // out through the exit
};

} // namespace orbivane
