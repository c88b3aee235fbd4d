// Small drawing helpers shared by every picture: colours, a Cairo canvas that
// owns its surface, atlas rectangles in Cairo's downward coordinates, lettering.
#pragma once

#include <cstdint>
#include <string>

#include <cairo.h>

#include "assets/fonts.h"
#include "view/atlas.h"

namespace assets {

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

constexpr Rgb hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t);
void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

// An opaque RGB picture of width x height pixels with its drawing context.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Saves the state, clips to an atlas rectangle and moves the origin to its
// top-left corner, so a painter draws in local pixels with y running down.
void enterAtlasRect(cairo_t* cr, const pelmora::AtlasRect& rect);
inline int rectWidth(const pelmora::AtlasRect& r) { return r.right - r.left; }
inline int rectHeight(const pelmora::AtlasRect& r) { return r.top - r.bottom; }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Gives a fresh linear or radial pattern the stops `from` at 0 and `to` at 1
// and makes it the source; the context keeps it for as long as it is the source.
void setGradient(cairo_t* cr, cairo_pattern_t* pattern, Rgb from, Rgb to);

enum class Align { Left, Centre, Right };

// One line of lettering. The capitals stand capHeight tall on the baseline;
// squash < 1 narrows the letters, and a line wider than `width` is narrowed
// further to fit. With inkBox the ink itself, descenders and all, is fitted
// between baseline - capHeight and the baseline. It is filled with the
// current source.
struct Lettering {
    Font font = Font::SansBold;
    std::string text;
    double x = 0.0;
    double width = 0.0;
    double baseline = 0.0;
    double capHeight = 10.0;
    Align align = Align::Centre;
    double squash = 1.0;
    bool inkBox = false;
};

void drawLettering(cairo_t* cr, const Lettering& lettering);
// Ink width the lettering would take, after any narrowing to fit.
double letteringWidth(cairo_t* cr, const Lettering& lettering);

// A deterministic noise source: the same numbers on every machine and build.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}
    uint32_t next();
    double unit() { return next() / 4294967296.0; }  // 0 <= x < 1
    double signedUnit() { return unit() * 2.0 - 1.0; }

private:
    uint32_t state_;
};

}  // namespace assets
