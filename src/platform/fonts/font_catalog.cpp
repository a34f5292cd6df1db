#include "platform/fonts/font_catalog.h"

#include "platform/drawing/drawing_libraries.h"

#include <memory>

#include "platform/fonts/fontconfig_pattern.h"

namespace platform {

namespace {

using Pattern = FcPatternPtr;

std::string PatternString(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr) return {};
  return reinterpret_cast<const char*>(value);
}

}  // namespace

std::optional<FontFile> FindFontByPostScriptName(std::string_view postScriptName) {
  if (!FcInit()) return std::nullopt;
  const std::string name(postScriptName);
  Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_POSTSCRIPT_NAME, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) return std::nullopt;
  FontFile font;
  font.path = PatternString(match.get(), FC_FILE);
  if (font.path.empty()) return std::nullopt;
  int index = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) font.faceIndex = index;
  font.postScriptName = PatternString(match.get(), FC_POSTSCRIPT_NAME);
  font.exact = font.postScriptName == name;
  return font;
}

std::optional<std::string> FontFilePostScriptName(const std::string& path) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return std::nullopt;
  const auto doneLibrary = [](FT_Library owned) { FT_Done_FreeType(owned); };
  std::unique_ptr<FT_LibraryRec_, decltype(doneLibrary)> libraryOwner(library, doneLibrary);
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0) return std::nullopt;
  const auto doneFace = [](FT_Face owned) { FT_Done_Face(owned); };
  std::unique_ptr<FT_FaceRec_, decltype(doneFace)> faceOwner(face, doneFace);
  const char* name = FT_Get_Postscript_Name(face);
  if (name == nullptr) return std::nullopt;
  return std::string(name);
}

}  // namespace platform
