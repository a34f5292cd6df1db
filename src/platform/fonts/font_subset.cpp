#include "platform/fonts/font_subset.h"

#include "platform/drawing/drawing_libraries.h"

#include <memory>

namespace platform {

namespace {

struct HarfBuzzDestroy {
  void operator()(hb_blob_t* b) const { hb_blob_destroy(b); }
  void operator()(hb_face_t* f) const { hb_face_destroy(f); }
  void operator()(hb_subset_input_t* i) const { hb_subset_input_destroy(i); }
};
using Blob = std::unique_ptr<hb_blob_t, HarfBuzzDestroy>;
using Face = std::unique_ptr<hb_face_t, HarfBuzzDestroy>;
using SubsetInput = std::unique_ptr<hb_subset_input_t, HarfBuzzDestroy>;

std::nullopt_t Refuse(std::string* reason, std::string why) {
  if (reason) *reason = std::move(why);
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> SubsetTrueTypeFont(const FontFile& font, std::span<const std::uint16_t> glyphs,
                                                            std::string* reason) {
  Blob file(hb_blob_create_from_file_or_fail(font.path.c_str()));
  if (!file) return Refuse(reason, font.path + ": the font file cannot be read");
  if (font.faceIndex < 0 || static_cast<unsigned>(font.faceIndex) >= hb_face_count(file.get()))
    return Refuse(reason, font.path + ": the font file has no face " + std::to_string(font.faceIndex));
  Face face(hb_face_create(file.get(), static_cast<unsigned>(font.faceIndex)));
  const unsigned glyphCount = hb_face_get_glyph_count(face.get());
  if (glyphCount == 0) return Refuse(reason, font.path + ": not a font with glyphs");
  Blob glyf(hb_face_reference_table(face.get(), HB_TAG('g', 'l', 'y', 'f')));
  if (hb_blob_get_length(glyf.get()) == 0) return Refuse(reason, font.path + ": the font has no TrueType outlines");

  SubsetInput input(hb_subset_input_create_or_fail());
  if (!input) return Refuse(reason, "no memory to subset " + font.path);
  hb_set_t* keep = hb_subset_input_glyph_set(input.get());
  hb_set_add(keep, 0);
  for (std::uint16_t glyph : glyphs)
    if (glyph < glyphCount) hb_set_add(keep, glyph);
  // Glyph indices stay as they were; the layout tables that only shaping reads go.
  hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS);
  hb_set_t* dropped = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
  for (const char* tag : {"GSUB", "GPOS", "GDEF", "kern", "morx", "DSIG"}) hb_set_add(dropped, hb_tag_from_string(tag, 4));

  Face subset(hb_subset_or_fail(face.get(), input.get()));
  if (!subset) return Refuse(reason, font.path + ": the font cannot be subset");
  Blob bytes(hb_face_reference_blob(subset.get()));
  unsigned length = 0;
  const char* data = hb_blob_get_data(bytes.get(), &length);
  if (data == nullptr || length == 0) return Refuse(reason, font.path + ": the font's subset is empty");
  return std::vector<std::uint8_t>(data, data + length);
}

}  // namespace platform
