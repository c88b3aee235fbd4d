#include "assets/fonts.h"

#include <array>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace assets {
namespace {

struct FontFile {
    Font font;
    const char* file;
};

constexpr std::array<FontFile, 3> FontFiles = {{
    {Font::Sans, "DejaVuSans.ttf"},
    {Font::SansBold, "DejaVuSans-Bold.ttf"},
    {Font::SerifBold, "DejaVuSerif-Bold.ttf"},
}};

FT_Library library = nullptr;
std::array<cairo_font_face_t*, 3> faces = {};
const cairo_user_data_key_t FaceKey = {};

void doneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

cairo_font_face_t* openFace(const std::string& path) {
    FT_Face ftFace = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &ftFace) != 0) return nullptr;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    // Cairo may outlive our reference in its caches, so it frees the FreeType face.
    if (cairo_font_face_set_user_data(face, &FaceKey, ftFace, doneFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face);
        FT_Done_Face(ftFace);
        return nullptr;
    }
    return face;
}

}  // namespace

bool loadFonts(std::string& error) {
    if (library == nullptr && FT_Init_FreeType(&library) != 0) {
        error = "FreeType could not start";
        return false;
    }
    for (const FontFile& entry : FontFiles) {
        auto& slot = faces[static_cast<size_t>(entry.font)];
        if (slot != nullptr) continue;
        const std::string path = std::string(PELMORA_FONT_DIR) + "/" + entry.file;
        slot = openFace(path);
        if (slot == nullptr) {
            error = "cannot read the font " + path + " (install fonts-dejavu-core)";
            return false;
        }
    }
    return true;
}

cairo_font_face_t* fontFace(Font font) { return faces[static_cast<size_t>(font)]; }

void releaseFonts() {
    for (auto& face : faces) {
        if (face != nullptr) cairo_font_face_destroy(face);
        face = nullptr;
    }
    cairo_debug_reset_static_data();
    if (library != nullptr) FT_Done_FreeType(library);
    library = nullptr;
}

}  // namespace assets
