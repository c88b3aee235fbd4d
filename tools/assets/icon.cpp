#include "assets/icon.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

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

cairo_surface_t* drawIcon(int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    paintIcon(cr, size);
    cairo_destroy(cr);
    return surface;
}

bool writePng(int size, const std::string& path, std::string& error) {
    cairo_surface_t* surface = drawIcon(size);
    const bool saved = savePng(surface, path, error);
    cairo_surface_destroy(surface);
    return saved;
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

bool pngBytes(int size, std::string& png, std::string& error) {
    cairo_surface_t* surface = drawIcon(size);
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, appendBytes, &png);
    cairo_surface_destroy(surface);
    if (status == CAIRO_STATUS_SUCCESS) return true;
    error = std::string("cannot draw the icon: ") + cairo_status_to_string(status);
    return false;
}

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An icon file: a header, one 16-byte entry per size, then each picture as a
// PNG, which Windows reads in icon files since Vista. 256 is written as 0.
bool icoBytes(std::string& ico, std::string& error) {
    std::vector<std::string> pictures(IcoSizes.size());
    for (size_t i = 0; i < IcoSizes.size(); ++i) {
        if (!pngBytes(IcoSizes[i], pictures[i], error)) return false;
    }
    putLittleEndian(ico, 0, 2);
    putLittleEndian(ico, 1, 2);  // an icon, not a cursor
    putLittleEndian(ico, static_cast<uint32_t>(IcoSizes.size()), 2);
    auto offset = static_cast<uint32_t>(6 + 16 * IcoSizes.size());
    for (size_t i = 0; i < IcoSizes.size(); ++i) {
        const auto side = static_cast<uint32_t>(IcoSizes[i] % 256);
        putLittleEndian(ico, side | side << 8, 4);  // width, height, no palette, reserved
        putLittleEndian(ico, 1, 2);   // colour planes
        putLittleEndian(ico, 32, 2);  // bits per pixel
        putLittleEndian(ico, static_cast<uint32_t>(pictures[i].size()), 4);
        putLittleEndian(ico, offset, 4);
        offset += static_cast<uint32_t>(pictures[i].size());
    }
    for (const std::string& picture : pictures) ico += picture;
    return true;
}

bool writeIco(const std::filesystem::path& path, std::string& error) {
    std::string ico;
    if (!icoBytes(ico, error)) return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(ico.data(), static_cast<std::streamsize>(ico.size()));
    out.close();
    if (out) return true;
    error = "cannot write " + path.string();
    return false;
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
    return writeIco(std::filesystem::path(folder) / "pelmora.ico", error);
}

bool writeWindowIconBitmap(const std::string& path, std::string& error) {
    cairo_surface_t* surface = drawIcon(WindowIconSize);
    const bool saved = saveBitmap32(surface, path, error);
    cairo_surface_destroy(surface);
    return saved;
}

}  // namespace assets
