#include "assets/menu_picture.h"

#include <cmath>
#include <string>

#include "assets/card_painter.h"
#include "assets/felt.h"
#include "assets/paint.h"
#include "assets/palette.h"
#include "view/atlas.h"

namespace assets {
namespace {

constexpr Rgb FeltCentre = hex(0x2E7C50);
constexpr Rgb FeltEdge = hex(0x0B2F1E);
constexpr Rgb LightGold = hex(0xF6E2A2);
constexpr Rgb Cream = hex(0xD9EBDF);

// The panel the menu shows, and the corner where the top score is drawn.
constexpr double PanelLeft = 321.0, PanelRight = 703.0;
constexpr double PanelTop = MenuWindowHeight - 486.0;
constexpr double PanelBottom = MenuWindowHeight - 222.0;
constexpr double TopScoreTop = MenuWindowHeight - 20.0;

void paintFelt(cairo_t* cr) {
    setGradient(cr, cairo_pattern_create_radial(512, 330, 40, 512, 380, MenuWindowWidth * 0.72),
                FeltCentre, FeltEdge);
    cairo_paint(cr);
}

void paintTitle(cairo_t* cr) {
    Lettering name{Font::SerifBold, "Pelmora", 0, MenuWindowWidth, 168, 82, Align::Centre, 1.0};
    cairo_save(cr);
    cairo_translate(cr, 4, 5);
    setColour(cr, hex(0x000000), 0.45);
    drawLettering(cr, name);
    cairo_restore(cr);
    setGradient(cr, cairo_pattern_create_linear(0, 168 - 82, 0, 168), LightGold, MenuGold);
    drawLettering(cr, name);
    Lettering line{Font::Sans, "Poker hands on a cube of cards", 0, MenuWindowWidth, 212, 15,
                   Align::Centre, 1.0};
    setColour(cr, Cream, 0.9);
    drawLettering(cr, line);
}

// A fan of cards, spread about a point below their feet.
void paintFan(cairo_t* cr, double cx, double cy, const uint32_t (&values)[5]) {
    const double scale = 1.4, reach = 260.0;
    for (int i = 0; i < 5; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy + reach);
        cairo_rotate(cr, (i - 2) * 0.15);
        cairo_translate(cr, -pelmora::CardWidth * scale / 2, -reach - pelmora::CardHeight * scale / 2);
        cairo_scale(cr, scale, scale);
        roundedRect(cr, 2.5, 3.5, pelmora::CardWidth, pelmora::CardHeight, 3);
        setColour(cr, hex(0x000000), 0.35);
        cairo_fill(cr);
        paintCard(cr, values[i], CardLook::Plain);
        cairo_restore(cr);
    }
}

void paintPanelShadow(cairo_t* cr) {
    roundedRect(cr, PanelLeft - 6, PanelTop - 4, PanelRight - PanelLeft + 12,
                PanelBottom - PanelTop + 14, 10);
    setColour(cr, hex(0x000000), 0.3);
    cairo_fill(cr);
}

void paintHowToPlay(cairo_t* cr) {
    const char* lines[] = {
        "Click free cards to pick five, right-click to play them as a poker hand.",
        "Turn the cube with W A S D or by resting the mouse at a screen edge.",
        "Every hand refills the countdown.  P pauses, Esc ends the game.",
    };
    double baseline = 608;
    for (const char* text : lines) {
        Lettering line{Font::Sans, text, 160, MenuWindowWidth - 320, baseline, 11.5,
                       Align::Centre, 1.0};
        setColour(cr, Cream, 0.92);
        drawLettering(cr, line);
        baseline += 27;
    }
}

// The top score is drawn in 20-pixel cells along the bottom edge from the
// left; a dark corner keeps them and their label readable.
void paintTopScoreCorner(cairo_t* cr) {
    roundedRect(cr, -12, TopScoreTop - 30, 186, 62, 10);
    setColour(cr, hex(0x061610), 0.75);
    cairo_fill(cr);
    Lettering label{Font::SansBold, "Top score", 7, 160, TopScoreTop - 8, 11, Align::Left, 1.0};
    setColour(cr, MenuGold);
    drawLettering(cr, label);
}

}  // namespace

void paintMenuPicture(cairo_t* cr, int imageSize) {
    cairo_save(cr);
    cairo_scale(cr, imageSize / MenuWindowWidth, imageSize / MenuWindowHeight);
    paintFelt(cr);
    cairo_restore(cr);
    addGrain(cairo_get_target(cr), 0x3E2Au, 4.0);
    cairo_save(cr);
    cairo_scale(cr, imageSize / MenuWindowWidth, imageSize / MenuWindowHeight);
    paintTitle(cr);
    const uint32_t spades[5] = {9, 10, 11, 12, 0};
    const uint32_t hearts[5] = {22, 23, 24, 25, 13};
    paintFan(cr, 160, 450, spades);
    paintFan(cr, MenuWindowWidth - 160, 450, hearts);
    paintPanelShadow(cr);
    paintHowToPlay(cr);
    paintTopScoreCorner(cr);
    cairo_restore(cr);
}

}  // namespace assets
