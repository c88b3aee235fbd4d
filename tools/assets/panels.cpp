#include "assets/panels.h"

#include <string>

#include "assets/paint.h"
#include "assets/palette.h"
#include "view/atlas.h"

namespace assets {
namespace {

using pelmora::AtlasRect;

constexpr Rgb UnusedColour = hex(0x3A3F46);
constexpr Rgb PanelTop = hex(0x1F2E3D);
constexpr Rgb PanelBottom = hex(0x0F1720);
constexpr Rgb LightGold = hex(0xF0D58A);
constexpr Rgb Text = hex(0xE6EBF0);
constexpr Rgb Quiet = hex(0x93A3B3);
constexpr Rgb Dark = hex(0x14181D);
constexpr double PanelWidth = 382.0;
constexpr double PanelHeight = 264.0;

void paintPanelBack(cairo_t* cr) {
    setGradient(cr, cairo_pattern_create_linear(0, 0, 0, PanelHeight), PanelTop, PanelBottom);
    cairo_paint(cr);
    cairo_set_line_width(cr, 1.0);
    setColour(cr, hex(0x05080B));
    cairo_rectangle(cr, 0.5, 0.5, PanelWidth - 1, PanelHeight - 1);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, MenuGold);
    cairo_rectangle(cr, 2, 2, PanelWidth - 4, PanelHeight - 4);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.0);
    setColour(cr, MenuGold, 0.35);
    cairo_rectangle(cr, 7.5, 7.5, PanelWidth - 15, PanelHeight - 15);
    cairo_stroke(cr);
}

void centredLine(cairo_t* cr, Font font, const std::string& text, double baseline,
                 double capHeight, Rgb colour) {
    Lettering line;
    line.font = font;
    line.text = text;
    line.x = 20.0;
    line.width = PanelWidth - 40.0;
    line.baseline = baseline;
    line.capHeight = capHeight;
    setColour(cr, colour);
    drawLettering(cr, line);
}

void title(cairo_t* cr, const std::string& text, double baseline) {
    centredLine(cr, Font::SerifBold, text, baseline, 24.0, LightGold);
}

void hint(cairo_t* cr, const std::string& text) {
    centredLine(cr, Font::Sans, text, PanelHeight - 22.0, 9.0, Quiet);
}

// A right-pointing marker with its tip at (x, y).
void pointer(cairo_t* cr, double x, double y, double size, double direction) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - direction * size, y - size * 0.6);
    cairo_line_to(cr, x - direction * size, y + size * 0.6);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// One item of the main menu; the chosen one sits on a gold bar between markers.
void menuItem(cairo_t* cr, const std::string& text, double middle, bool chosen) {
    const double barWidth = 230.0, barHeight = 44.0;
    const double left = (PanelWidth - barWidth) / 2.0;
    if (chosen) {
        roundedRect(cr, left, middle - barHeight / 2, barWidth, barHeight, 8.0);
        setGradient(cr,
                    cairo_pattern_create_linear(0, middle - barHeight / 2, 0, middle + barHeight / 2),
                    LightGold, MenuGold);
        cairo_fill(cr);
        setColour(cr, LightGold);
        pointer(cr, left - 8, middle, 13, 1.0);
        pointer(cr, left + barWidth + 8, middle, 13, -1.0);
    }
    centredLine(cr, Font::SansBold, text, middle + 9.0, 18.0, chosen ? Dark : Quiet);
}

void mainMenuPanel(cairo_t* cr, bool newGameChosen) {
    title(cr, "Main Menu", 50.0);
    menuItem(cr, "New Game", 104.0, newGameChosen);
    menuItem(cr, "Quit", 164.0, !newGameChosen);
    hint(cr, "Up/Down to choose, Enter to confirm");
}

// A key drawn as a keycap followed by what it does, the pair centred.
void keyLine(cairo_t* cr, const std::string& key, const std::string& action, double baseline) {
    const double capHeight = 12.0, gap = 12.0, pad = 8.0;
    Lettering keyText{Font::SansBold, key, 0, 0, baseline, capHeight, Align::Left, 1.0};
    Lettering actionText{Font::Sans, action, 0, 0, baseline, capHeight, Align::Left, 1.0};
    const double keyWidth = letteringWidth(cr, keyText) + 2 * pad;
    const double total = keyWidth + gap + letteringWidth(cr, actionText);
    const double left = (PanelWidth - total) / 2.0;
    roundedRect(cr, left, baseline - capHeight - 7, keyWidth, capHeight + 14, 4.0);
    setColour(cr, hex(0xDDE3EA));
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x6E7C8A));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    keyText.x = left + pad;
    setColour(cr, Dark);
    drawLettering(cr, keyText);
    actionText.x = left + keyWidth + gap;
    setColour(cr, Text);
    drawLettering(cr, actionText);
}

void pausedPanel(cairo_t* cr) {
    title(cr, "Paused", 54.0);
    keyLine(cr, "P", "resume the game", 118.0);
    keyLine(cr, "Enter", "go to the main menu", 166.0);
    hint(cr, "The clock stands still while the game is paused.");
}

void gameWonPanel(cairo_t* cr) {
    title(cr, "You Won!", 58.0);
    centredLine(cr, Font::Sans, "Every card has left the cube.", 106.0, 12.0, Text);
    keyLine(cr, "Enter", "back to the main menu", 170.0);
    hint(cr, "Well played!");
}

void gameOverPanel(cairo_t* cr) {
    title(cr, "Game Over", 58.0);
    centredLine(cr, Font::Sans, "Time ran out.", 106.0, 12.0, Text);
    keyLine(cr, "Enter", "back to the main menu", 170.0);
    hint(cr, "The best score is kept at the bottom left.");
}

template <typename Painter>
void panel(cairo_t* cr, const AtlasRect& rect, Painter paint) {
    enterAtlasRect(cr, rect);
    paintPanelBack(cr);
    paint(cr);
    cairo_restore(cr);
}

}  // namespace

void paintMenuPanels(cairo_t* cr) {
    setColour(cr, UnusedColour);
    cairo_paint(cr);
    panel(cr, pelmora::PanelNewGame, [](cairo_t* c) { mainMenuPanel(c, true); });
    panel(cr, pelmora::PanelQuit, [](cairo_t* c) { mainMenuPanel(c, false); });
    panel(cr, pelmora::PanelPaused, pausedPanel);
    panel(cr, pelmora::PanelGameWon, gameWonPanel);
    panel(cr, pelmora::PanelGameOver, gameOverPanel);
}

}  // namespace assets
