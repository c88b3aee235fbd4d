#include "assets/previews.h"

#include <cmath>
#include <vector>

#include "assets/image_files.h"
#include "assets/menu_picture.h"
#include "assets/paint.h"
#include "view/atlas.h"
#include "platform/textures.h"
#include "view/geometry.h"

namespace assets {
namespace {

using pelmora::AtlasRect;

// The score bar lies 2 units in front of the eye; the view is 45 degrees tall.
const double ScreenPixelsPerUnit = 384.0 / (2.0 * std::tan(22.5 * M_PI / 180.0));

// Draws the part u0..u1, v0..v1 (pixels, v from the bottom) of a texture
// into the rectangle x, y, w, h of the target, filtered as the game's
// textures are (bilinear, no mipmaps).
void blit(cairo_t* cr, cairo_surface_t* texture, double u0, double u1, double v0, double v1,
          double x, double y, double w, double h) {
    const double height = cairo_image_surface_get_height(texture);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / (u1 - u0), h / (v1 - v0));
    cairo_set_source_surface(cr, texture, -u0, -(height - v1));
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
}

void blitRect(cairo_t* cr, cairo_surface_t* texture, const AtlasRect& r, double x, double y,
              double w, double h) {
    blit(cr, texture, r.left, r.right, r.bottom, r.top, x, y, w, h);
}

void outline(cairo_t* cr, const AtlasRect& r) {
    cairo_rectangle(cr, r.left + 0.5, pelmora::AtlasSize - r.top + 0.5, rectWidth(r) - 1,
                    rectHeight(r) - 1);
    cairo_stroke(cr);
}

bool writeOutlined(cairo_surface_t* texture, const std::vector<AtlasRect>& rects,
                   const std::string& path, std::string& error) {
    Canvas canvas(cairo_image_surface_get_width(texture), cairo_image_surface_get_height(texture));
    cairo_t* cr = canvas.cr();
    cairo_set_source_surface(cr, texture, 0, 0);
    cairo_paint(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, 1.0, 0.0, 1.0, 0.8);
    for (const AtlasRect& r : rects) outline(cr, r);
    return savePng(canvas.surface(), path, error);
}

std::vector<AtlasRect> atlasRegions() {
    std::vector<AtlasRect> rects = {pelmora::CardSideStrip, pelmora::CardEndStrip,
                                    pelmora::HudBar, pelmora::SlotMarker};
    for (uint32_t value = 0; value < 52; ++value) {
        rects.push_back(pelmora::cardPictureRect(value));
        rects.push_back(pelmora::selectedPictureRect(value));
        rects.push_back(pelmora::cardCornerRect(value));
    }
    for (uint32_t digit = 0; digit <= 10; ++digit) rects.push_back(pelmora::glyphRect(digit));
    return rects;
}

// Scene units at the bar's depth to screen pixels of a 1024 x 768 window,
// y down, with the bottom of the window at `bottom`.
double screenX(double x) { return 512.0 + x * ScreenPixelsPerUnit; }
double screenY(double y, double bottom) { return bottom - (y + 384.0 / ScreenPixelsPerUnit) * ScreenPixelsPerUnit; }

void drawQuad(cairo_t* cr, cairo_surface_t* texture, const pelmora::Quad& quad, double bottom) {
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9, u0 = 1e9, u1 = -1e9, v0 = 1e9, v1 = -1e9;
    for (const pelmora::TexturedVertex& c : quad) {
        x0 = std::fmin(x0, c.pos.x), x1 = std::fmax(x1, c.pos.x);
        y0 = std::fmin(y0, c.pos.y), y1 = std::fmax(y1, c.pos.y);
        u0 = std::fmin(u0, c.tex.u), u1 = std::fmax(u1, c.tex.u);
        v0 = std::fmin(v0, c.tex.v), v1 = std::fmax(v1, c.tex.v);
    }
    const double n = pelmora::AtlasSize;
    blit(cr, texture, u0 * n, u1 * n, v0 * n, v1 * n, screenX(x0), screenY(y1, bottom),
         (x1 - x0) * ScreenPixelsPerUnit, (y1 - y0) * ScreenPixelsPerUnit);
}

// The bottom of the game screen: the bar with a running clock, a countdown,
// a score and a hand of three cards.
void drawBarScene(cairo_t* cr, cairo_surface_t* atlas, double height) {
    drawQuad(cr, atlas, pelmora::displayListQuad(pelmora::ListHudBar, 1024, 768), height);
    const uint32_t clock[8] = {0, 1, 2, 3, 4, 5, 0, 4};
    for (unsigned k = 0; k < 8; ++k)
        drawQuad(cr, atlas, pelmora::glyphQuad(pelmora::clockGlyphLeft(k), clock[k]), height);
    const uint32_t score[4] = {6, 7, 8, 9};  // 9876
    for (unsigned k = 0; k < 4; ++k)
        drawQuad(cr, atlas, pelmora::glyphQuad(pelmora::scoreGlyphLeft(k), score[k]), height);
    const uint32_t hand[3] = {0, 22, 48};
    for (unsigned n = 0; n < pelmora::HandSlots; ++n) {
        const AtlasRect r = n < 3 ? pelmora::cardCornerRect(hand[n]) : pelmora::SlotMarker;
        const double x0 = pelmora::stripSlotLeft(n);
        blitRect(cr, atlas, r, screenX(x0), screenY(pelmora::GlyphCellTop, height),
                 pelmora::GlyphCellWidth * ScreenPixelsPerUnit,
                 (pelmora::GlyphCellTop - pelmora::GlyphCellBottom) * ScreenPixelsPerUnit);
    }
}

// The bar scene three times enlarged, its left and right halves one above the other.
bool writeBarPreview(cairo_surface_t* atlas, const std::string& path, std::string& error) {
    const double height = 48.0, zoom = 3.0;
    Canvas canvas(static_cast<int>(512 * zoom), static_cast<int>(2 * height * zoom));
    cairo_t* cr = canvas.cr();
    for (int half = 0; half < 2; ++half) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, half * height * zoom, 512 * zoom, height * zoom);
        cairo_clip(cr);
        cairo_translate(cr, -half * 512 * zoom, half * height * zoom);
        cairo_scale(cr, zoom, zoom);
        drawBarScene(cr, atlas, height);
        cairo_restore(cr);
    }
    return savePng(canvas.surface(), path, error);
}

// The menu screen as the game draws it: picture, main-menu panel, top score 1234.
bool writeMenuPreview(const TextureSet& t, const std::string& path, std::string& error) {
    Canvas canvas(1024, 768);
    cairo_t* cr = canvas.cr();
    blit(cr, t.menu, 0, 1024, 0, 1024, 0, 0, 1024, 768);
    blitRect(cr, t.panels, pelmora::PanelNewGame, 321, 768 - 486, 382, 264);
    const uint32_t digits[4] = {1, 2, 3, 4};
    for (int k = 0; k < 4; ++k)
        blitRect(cr, t.atlas, pelmora::glyphRect(digits[k]), 20.0 * k, 748, 20, 20);
    return savePng(canvas.surface(), path, error);
}

// Card tiles at about the size the front face shows them, plain and selected.
bool writeTilePreview(const TextureSet& t, const std::string& path, std::string& error) {
    const double w = 48, h = 65, gap = 4;
    Canvas canvas(14 * static_cast<int>(w + gap), 8 * static_cast<int>(h + gap));
    cairo_t* cr = canvas.cr();
    blit(cr, t.cloth, 100, 400, 100, 400, 0, 0, canvas.width(), canvas.height());
    for (uint32_t value = 0; value < 52; ++value) {
        const double x = (value % 13) * (w + gap) + gap, y = (value / 13) * (h + gap) + gap;
        blitRect(cr, t.atlas, pelmora::cardPictureRect(value), x, y, w, h);
        blitRect(cr, t.atlas, pelmora::selectedPictureRect(value), x, y + 4 * (h + gap), w, h);
    }
    return savePng(canvas.surface(), path, error);
}

// A few regions of the atlas four times enlarged, pixel for pixel.
bool writeZoomPreview(cairo_surface_t* atlas, const std::string& path, std::string& error) {
    const double zoom = 4.0, gap = 8.0;
    Canvas canvas(1200, 800);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    cairo_paint(cr);
    const std::vector<AtlasRect> top = {pelmora::cardPictureRect(9), pelmora::selectedPictureRect(9),
                                        pelmora::cardPictureRect(49), pelmora::selectedPictureRect(49)};
    const std::vector<AtlasRect> bottom = {pelmora::CardSideStrip, pelmora::CardEndStrip,
                                           pelmora::SlotMarker, pelmora::glyphRect(0),
                                           pelmora::glyphRect(7), pelmora::glyphRect(10)};
    double y = gap;
    for (const auto* row : {&top, &bottom}) {
        double x = gap, tallest = 0.0;
        for (const AtlasRect& r : *row) {
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, zoom, zoom);
            cairo_rectangle(cr, 0, 0, rectWidth(r), rectHeight(r));
            cairo_clip(cr);
            cairo_set_source_surface(cr, atlas, -r.left, -(pelmora::AtlasSize - r.top));
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
            cairo_paint(cr);
            cairo_restore(cr);
            x += rectWidth(r) * zoom + gap;
            tallest = std::fmax(tallest, rectHeight(r) * zoom);
        }
        y += tallest + gap;
    }
    return savePng(canvas.surface(), path, error);
}

}  // namespace

bool writePreviews(const TextureSet& t, const std::string& folder, std::string& error) {
    const std::vector<AtlasRect> panels = {pelmora::PanelNewGame, pelmora::PanelQuit,
                                           pelmora::PanelPaused, pelmora::PanelGameWon,
                                           pelmora::PanelGameOver};
    using namespace pelmora;
    const std::string at = folder + "/";
    return savePng(t.menu, at + TextureMenu + ".png", error) &&
           savePng(t.panels, at + TextureSubMenuPlots + ".png", error) &&
           savePng(t.cloth, at + TextureCubeSurface + ".png", error) &&
           savePng(t.atlas, at + TextureCardTextureMap + ".png", error) &&
           writeOutlined(t.atlas, atlasRegions(), at + TextureCardTextureMap + "-regions.png", error) &&
           writeOutlined(t.panels, panels, at + TextureSubMenuPlots + "-regions.png", error) &&
           writeMenuPreview(t, folder + "/menu-screen.png", error) &&
           writeBarPreview(t.atlas, folder + "/score-bar.png", error) &&
           writeTilePreview(t, folder + "/card-tiles.png", error) &&
           writeZoomPreview(t.atlas, folder + "/CardTextureMap-zoom.png", error);
}

}  // namespace assets
