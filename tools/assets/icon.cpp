#include "assets/icon.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include <cairo-svg.h>

#include "assets/image_files.h"
#include "assets/paint.h"
#include "assets/suits.h"

namespace assets {
namespace {

constexpr double Design = 128.0;  // the painter's own units, scaled to each size

struct Pip {
    Suit suit;
    double dx, dy, size;  // from the card's top-left corner
};

void paintCard(cairo_t* cr, double x, double y, double degrees, Pip pip) {
    cairo_save(cr);
    cairo_translate(cr, 64, 70);
    cairo_rotate(cr, degrees * M_PI / 180.0);
    cairo_translate(cr, -64, -70);
    roundedRect(cr, x, y, 52, 72, 6);
    setColour(cr, hex(0xFDFBF4));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, hex(0x333333));
    cairo_stroke(cr);
    setColour(cr, suitColour(pip.suit));
    fillSuit(cr, pip.suit, x + pip.dx, y + pip.dy, pip.size);
    cairo_restore(cr);
}

// Two fanned cards on the green of the cube's cloth, with transparent corners.
void paintIcon(cairo_t* cr, double size) {
    cairo_scale(cr, size / Design, size / Design);
    roundedRect(cr, 6, 6, 116, 116, 18);
    setColour(cr, hex(0x1D5C3A));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4.0);
    setColour(cr, hex(0x0E3320));
    cairo_stroke(cr);
    // The card behind shows its pip where the one in front leaves it uncovered.
    paintCard(cr, 26, 26, -12, {Suit::Spades, 15, 22, 22});
    paintCard(cr, 52, 34, 10, {Suit::Hearts, 26, 36, 38});
}

bool makeParent(const std::filesystem::path& file, std::string& error) {
    std::error_code failure;
    std::filesystem::create_directories(file.parent_path(), failure);
    if (failure) {
        error = "cannot make the folder " + file.parent_path().string() + ": " + failure.message();
    }
    return !failure;
}

bool finish(cairo_surface_t* surface, const std::string& path, std::string& error) {
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status == CAIRO_STATUS_SUCCESS) return true;
    error = "cannot write " + path + ": " + cairo_status_to_string(status);
    return false;
}

bool writeSvg(const std::string& path, std::string& error) {
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), Design, Design);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    paintIcon(cr, Design);
    cairo_destroy(cr);
    return finish(surface, path, error);
}

bool writePng(int size, const std::string& path, std::string& error) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    paintIcon(cr, size);
    cairo_destroy(cr);
    const bool saved = savePng(surface, path, error);
    cairo_surface_destroy(surface);
    return saved;
}

}  // namespace

bool writeIcons(const std::string& folder, std::string& error) {
    const std::filesystem::path theme = std::filesystem::path(folder) / "hicolor";
    const std::filesystem::path svg = theme / "scalable/apps/pelmora.svg";
    if (!makeParent(svg, error) || !writeSvg(svg.string(), error)) return false;
    for (int size : IconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path png = theme / name / "apps/pelmora.png";
        if (!makeParent(png, error) || !writePng(size, png.string(), error)) return false;
    }
    return true;
}

}  // namespace assets
