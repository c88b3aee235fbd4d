#include "assets/paint.h"

#include <cmath>

namespace assets {

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void setColour(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      cr_(cairo_create(surface_)) {
    // Text rendering must not depend on the machine's font settings.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_paint(cr_);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void enterAtlasRect(cairo_t* cr, const pelmora::AtlasRect& rect) {
    cairo_save(cr);
    const double top = pelmora::AtlasSize - rect.top;
    cairo_rectangle(cr, rect.left, top, rectWidth(rect), rectHeight(rect));
    cairo_clip(cr);
    cairo_translate(cr, rect.left, top);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::fmin(radius, std::fmin(w, h) / 2.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void setGradient(cairo_t* cr, cairo_pattern_t* pattern, Rgb from, Rgb to) {
    cairo_pattern_add_color_stop_rgb(pattern, 0, from.r, from.g, from.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, to.r, to.g, to.b);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

namespace {

// Sets the font so that capitals stand capHeight tall, narrowed by squash,
// and returns the ink extents of the text in that font.
cairo_text_extents_t setLetteringFont(cairo_t* cr, const Lettering& l, double squash) {
    cairo_set_font_face(cr, fontFace(l.font));
    cairo_set_font_size(cr, 100.0);
    cairo_text_extents_t capital;
    cairo_text_extents(cr, l.inkBox ? l.text.c_str() : "H", &capital);
    if (capital.height <= 0.0) cairo_text_extents(cr, "H", &capital);
    const double size = 100.0 * l.capHeight / capital.height;
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, size * squash, size);
    cairo_set_font_matrix(cr, &matrix);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, l.text.c_str(), &extents);
    return extents;
}

cairo_text_extents_t fitLettering(cairo_t* cr, const Lettering& l) {
    cairo_text_extents_t extents = setLetteringFont(cr, l, l.squash);
    if (l.width > 0.0 && extents.width > l.width) {
        extents = setLetteringFont(cr, l, l.squash * l.width / extents.width);
    }
    return extents;
}

}  // namespace

void drawLettering(cairo_t* cr, const Lettering& l) {
    cairo_save(cr);
    const cairo_text_extents_t e = fitLettering(cr, l);
    double x = l.x - e.x_bearing;
    if (l.align == Align::Centre) x += (l.width - e.width) / 2.0;
    if (l.align == Align::Right) x += l.width - e.width;
    const double baseline = l.inkBox ? l.baseline - (e.y_bearing + e.height) : l.baseline;
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, l.text.c_str());
    cairo_fill(cr);
    cairo_restore(cr);
}

double letteringWidth(cairo_t* cr, const Lettering& l) {
    cairo_save(cr);
    const double width = fitLettering(cr, l).width;
    cairo_restore(cr);
    return width;
}

uint32_t Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

}  // namespace assets
