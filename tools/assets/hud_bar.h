// The score bar of the game scene. The scene stretches the bar's part of the
// atlas over the bottom of the screen and draws the hand strip, the clock, the
// countdown and the score on top of it in glyph cells; the bar gives those
// cells their frames, labels and the colons of the clock.
#pragma once

#include <cairo.h>

namespace assets {

// Scene units to bar pixels: u across the atlas, y down from the bar's top.
struct BarMapping {
    double sceneLeft = 0.0;
    double sceneRight = 0.0;
    double sceneBottom = 0.0;
    double sceneTop = 0.0;

    double u(double sceneX) const;
    double y(double sceneY) const;
    // How much narrower than tall lettering must be drawn to look right on screen.
    double squash() const;
};

BarMapping barMapping();

// Paints the bar into its atlas rectangle.
void paintHudBar(cairo_t* cr);

// Score digits the bar frames; a longer score runs on to the left over the label.
constexpr unsigned FramedScoreDigits = 4;

}  // namespace assets
