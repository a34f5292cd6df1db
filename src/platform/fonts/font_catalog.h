#pragma once
// The system's fonts, found by PostScript name through fontconfig and read with FreeType.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct FontFile {
  std::string path;            // the font file
  int faceIndex = 0;           // the face inside it (collections hold several)
  std::string postScriptName;  // the face's own PostScript name
  bool exact = false;          // false when fontconfig chose a substitute for the name asked
};

// The font whose PostScript name is postScriptName; when the system has none, the font
// fontconfig substitutes for it (exact false). None only when fontconfig knows no font at all.
std::optional<FontFile> FindFontByPostScriptName(std::string_view postScriptName);

// The PostScript name FreeType reads from the font file's face 0, or none when the file is not
// a font FreeType can open or has no such name.
std::optional<std::string> FontFilePostScriptName(const std::string& path);

}  // namespace platform
