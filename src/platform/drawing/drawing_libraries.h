#pragma once
// The drawing and font libraries (cairo, FreeType, fontconfig, HarfBuzz's subsetter, gdk-pixbuf)
// are loaded when something first draws, reads a picture or looks for a font. Most runs of the
// plug-in do none of these (a dialog that only shows or sets options, an import, an export), and
// linking them would make every one of those runs load and relocate some thirty more shared
// libraries. Code that calls them includes this header after (or instead of) theirs: each call
// below goes through the function's address, looked up once per call site on first use.
//
// Only calls are late-bound; a function's address may not be taken (write a lambda or a
// functor that calls it). The linker refuses the platform library and the module when a call
// escapes, since neither links these libraries.
#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <hb-subset.h>
#include <hb.h>

namespace platform::drawing_libraries {

enum class Library { kCairo, kFreeType, kFontconfig, kHarfBuzzSubset, kGdkPixbuf };

// The address of the function named in library, loading the library on first use. A library
// that cannot be loaded, or lacks the function, is a broken installation, like a linked library
// missing at start-up: one "ERROR:" line names it and the process ends.
void* FunctionAddress(Library library, const char* name);

template <typename Function>
Function Bind(Library library, const char* name) {
  return reinterpret_cast<Function>(FunctionAddress(library, name));
}

}  // namespace platform::drawing_libraries

#define KORVO_LATE_BOUND(library, function)                                                       \
  ([] {                                                                                           \
    static const auto bound = ::platform::drawing_libraries::Bind<decltype(&function)>(           \
        ::platform::drawing_libraries::Library::library, #function);                              \
    return bound;                                                                                 \
  }())

#define cairo_clip(...) KORVO_LATE_BOUND(kCairo, cairo_clip)(__VA_ARGS__)
#define cairo_create(...) KORVO_LATE_BOUND(kCairo, cairo_create)(__VA_ARGS__)
#define cairo_destroy(...) KORVO_LATE_BOUND(kCairo, cairo_destroy)(__VA_ARGS__)
#define cairo_font_extents(...) KORVO_LATE_BOUND(kCairo, cairo_font_extents)(__VA_ARGS__)
#define cairo_font_face_destroy(...) KORVO_LATE_BOUND(kCairo, cairo_font_face_destroy)(__VA_ARGS__)
#define cairo_font_face_status(...) KORVO_LATE_BOUND(kCairo, cairo_font_face_status)(__VA_ARGS__)
#define cairo_font_options_create(...) KORVO_LATE_BOUND(kCairo, cairo_font_options_create)(__VA_ARGS__)
#define cairo_font_options_destroy(...) KORVO_LATE_BOUND(kCairo, cairo_font_options_destroy)(__VA_ARGS__)
#define cairo_font_options_set_hint_metrics(...) KORVO_LATE_BOUND(kCairo, cairo_font_options_set_hint_metrics)(__VA_ARGS__)
#define cairo_font_options_set_hint_style(...) KORVO_LATE_BOUND(kCairo, cairo_font_options_set_hint_style)(__VA_ARGS__)
#define cairo_ft_font_face_create_for_pattern(...) KORVO_LATE_BOUND(kCairo, cairo_ft_font_face_create_for_pattern)(__VA_ARGS__)
#define cairo_get_scaled_font(...) KORVO_LATE_BOUND(kCairo, cairo_get_scaled_font)(__VA_ARGS__)
#define cairo_glyph_free(...) KORVO_LATE_BOUND(kCairo, cairo_glyph_free)(__VA_ARGS__)
#define cairo_glyph_path(...) KORVO_LATE_BOUND(kCairo, cairo_glyph_path)(__VA_ARGS__)
#define cairo_identity_matrix(...) KORVO_LATE_BOUND(kCairo, cairo_identity_matrix)(__VA_ARGS__)
#define cairo_image_surface_create(...) KORVO_LATE_BOUND(kCairo, cairo_image_surface_create)(__VA_ARGS__)
#define cairo_image_surface_get_data(...) KORVO_LATE_BOUND(kCairo, cairo_image_surface_get_data)(__VA_ARGS__)
#define cairo_image_surface_get_height(...) KORVO_LATE_BOUND(kCairo, cairo_image_surface_get_height)(__VA_ARGS__)
#define cairo_image_surface_get_stride(...) KORVO_LATE_BOUND(kCairo, cairo_image_surface_get_stride)(__VA_ARGS__)
#define cairo_image_surface_get_width(...) KORVO_LATE_BOUND(kCairo, cairo_image_surface_get_width)(__VA_ARGS__)
#define cairo_move_to(...) KORVO_LATE_BOUND(kCairo, cairo_move_to)(__VA_ARGS__)
#define cairo_paint(...) KORVO_LATE_BOUND(kCairo, cairo_paint)(__VA_ARGS__)
#define cairo_paint_with_alpha(...) KORVO_LATE_BOUND(kCairo, cairo_paint_with_alpha)(__VA_ARGS__)
#define cairo_path_extents(...) KORVO_LATE_BOUND(kCairo, cairo_path_extents)(__VA_ARGS__)
#define cairo_pattern_destroy(...) KORVO_LATE_BOUND(kCairo, cairo_pattern_destroy)(__VA_ARGS__)
#define cairo_pdf_surface_create_for_stream(...) KORVO_LATE_BOUND(kCairo, cairo_pdf_surface_create_for_stream)(__VA_ARGS__)
#define cairo_pop_group_to_source(...) KORVO_LATE_BOUND(kCairo, cairo_pop_group_to_source)(__VA_ARGS__)
#define cairo_push_group(...) KORVO_LATE_BOUND(kCairo, cairo_push_group)(__VA_ARGS__)
#define cairo_rectangle(...) KORVO_LATE_BOUND(kCairo, cairo_rectangle)(__VA_ARGS__)
#define cairo_restore(...) KORVO_LATE_BOUND(kCairo, cairo_restore)(__VA_ARGS__)
#define cairo_rotate(...) KORVO_LATE_BOUND(kCairo, cairo_rotate)(__VA_ARGS__)
#define cairo_save(...) KORVO_LATE_BOUND(kCairo, cairo_save)(__VA_ARGS__)
#define cairo_scale(...) KORVO_LATE_BOUND(kCairo, cairo_scale)(__VA_ARGS__)
#define cairo_scaled_font_destroy(...) KORVO_LATE_BOUND(kCairo, cairo_scaled_font_destroy)(__VA_ARGS__)
#define cairo_scaled_font_text_to_glyphs(...) KORVO_LATE_BOUND(kCairo, cairo_scaled_font_text_to_glyphs)(__VA_ARGS__)
#define cairo_set_font_face(...) KORVO_LATE_BOUND(kCairo, cairo_set_font_face)(__VA_ARGS__)
#define cairo_set_font_options(...) KORVO_LATE_BOUND(kCairo, cairo_set_font_options)(__VA_ARGS__)
#define cairo_set_font_size(...) KORVO_LATE_BOUND(kCairo, cairo_set_font_size)(__VA_ARGS__)
#define cairo_set_source_rgb(...) KORVO_LATE_BOUND(kCairo, cairo_set_source_rgb)(__VA_ARGS__)
#define cairo_set_source_rgba(...) KORVO_LATE_BOUND(kCairo, cairo_set_source_rgba)(__VA_ARGS__)
#define cairo_set_source_surface(...) KORVO_LATE_BOUND(kCairo, cairo_set_source_surface)(__VA_ARGS__)
#define cairo_show_glyphs(...) KORVO_LATE_BOUND(kCairo, cairo_show_glyphs)(__VA_ARGS__)
#define cairo_show_page(...) KORVO_LATE_BOUND(kCairo, cairo_show_page)(__VA_ARGS__)
#define cairo_show_text(...) KORVO_LATE_BOUND(kCairo, cairo_show_text)(__VA_ARGS__)
#define cairo_status(...) KORVO_LATE_BOUND(kCairo, cairo_status)(__VA_ARGS__)
#define cairo_surface_destroy(...) KORVO_LATE_BOUND(kCairo, cairo_surface_destroy)(__VA_ARGS__)
#define cairo_surface_finish(...) KORVO_LATE_BOUND(kCairo, cairo_surface_finish)(__VA_ARGS__)
#define cairo_surface_flush(...) KORVO_LATE_BOUND(kCairo, cairo_surface_flush)(__VA_ARGS__)
#define cairo_surface_mark_dirty(...) KORVO_LATE_BOUND(kCairo, cairo_surface_mark_dirty)(__VA_ARGS__)
#define cairo_surface_status(...) KORVO_LATE_BOUND(kCairo, cairo_surface_status)(__VA_ARGS__)
#define cairo_surface_write_to_png_stream(...) KORVO_LATE_BOUND(kCairo, cairo_surface_write_to_png_stream)(__VA_ARGS__)
#define cairo_text_extents(...) KORVO_LATE_BOUND(kCairo, cairo_text_extents)(__VA_ARGS__)
#define cairo_toy_font_face_create(...) KORVO_LATE_BOUND(kCairo, cairo_toy_font_face_create)(__VA_ARGS__)
#define cairo_translate(...) KORVO_LATE_BOUND(kCairo, cairo_translate)(__VA_ARGS__)
#define FT_Done_Face(...) KORVO_LATE_BOUND(kFreeType, FT_Done_Face)(__VA_ARGS__)
#define FT_Done_FreeType(...) KORVO_LATE_BOUND(kFreeType, FT_Done_FreeType)(__VA_ARGS__)
#define FT_Get_Postscript_Name(...) KORVO_LATE_BOUND(kFreeType, FT_Get_Postscript_Name)(__VA_ARGS__)
#define FT_Init_FreeType(...) KORVO_LATE_BOUND(kFreeType, FT_Init_FreeType)(__VA_ARGS__)
#define FT_New_Face(...) KORVO_LATE_BOUND(kFreeType, FT_New_Face)(__VA_ARGS__)
#define FcConfigSubstitute(...) KORVO_LATE_BOUND(kFontconfig, FcConfigSubstitute)(__VA_ARGS__)
#define FcDefaultSubstitute(...) KORVO_LATE_BOUND(kFontconfig, FcDefaultSubstitute)(__VA_ARGS__)
#define FcFontMatch(...) KORVO_LATE_BOUND(kFontconfig, FcFontMatch)(__VA_ARGS__)
#define FcInit(...) KORVO_LATE_BOUND(kFontconfig, FcInit)(__VA_ARGS__)
#define FcPatternAddInteger(...) KORVO_LATE_BOUND(kFontconfig, FcPatternAddInteger)(__VA_ARGS__)
#define FcPatternAddString(...) KORVO_LATE_BOUND(kFontconfig, FcPatternAddString)(__VA_ARGS__)
#define FcPatternCreate(...) KORVO_LATE_BOUND(kFontconfig, FcPatternCreate)(__VA_ARGS__)
#define FcPatternDestroy(...) KORVO_LATE_BOUND(kFontconfig, FcPatternDestroy)(__VA_ARGS__)
#define FcPatternGetInteger(...) KORVO_LATE_BOUND(kFontconfig, FcPatternGetInteger)(__VA_ARGS__)
#define FcPatternGetString(...) KORVO_LATE_BOUND(kFontconfig, FcPatternGetString)(__VA_ARGS__)
#define hb_blob_create_from_file_or_fail(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_blob_create_from_file_or_fail)(__VA_ARGS__)
#define hb_blob_destroy(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_blob_destroy)(__VA_ARGS__)
#define hb_blob_get_data(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_blob_get_data)(__VA_ARGS__)
#define hb_blob_get_length(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_blob_get_length)(__VA_ARGS__)
#define hb_face_count(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_face_count)(__VA_ARGS__)
#define hb_face_create(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_face_create)(__VA_ARGS__)
#define hb_face_destroy(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_face_destroy)(__VA_ARGS__)
#define hb_face_get_glyph_count(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_face_get_glyph_count)(__VA_ARGS__)
#define hb_face_reference_blob(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_face_reference_blob)(__VA_ARGS__)
#define hb_face_reference_table(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_face_reference_table)(__VA_ARGS__)
#define hb_set_add(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_set_add)(__VA_ARGS__)
#define hb_subset_input_create_or_fail(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_subset_input_create_or_fail)(__VA_ARGS__)
#define hb_subset_input_destroy(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_subset_input_destroy)(__VA_ARGS__)
#define hb_subset_input_glyph_set(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_subset_input_glyph_set)(__VA_ARGS__)
#define hb_subset_input_set(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_subset_input_set)(__VA_ARGS__)
#define hb_subset_input_set_flags(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_subset_input_set_flags)(__VA_ARGS__)
#define hb_subset_or_fail(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_subset_or_fail)(__VA_ARGS__)
#define hb_tag_from_string(...) KORVO_LATE_BOUND(kHarfBuzzSubset, hb_tag_from_string)(__VA_ARGS__)
#define g_error_free(...) KORVO_LATE_BOUND(kGdkPixbuf, g_error_free)(__VA_ARGS__)
#define g_object_unref(...) KORVO_LATE_BOUND(kGdkPixbuf, g_object_unref)(__VA_ARGS__)
#define gdk_pixbuf_get_bits_per_sample(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_get_bits_per_sample)(__VA_ARGS__)
#define gdk_pixbuf_get_file_info(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_get_file_info)(__VA_ARGS__)
#define gdk_pixbuf_get_has_alpha(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_get_has_alpha)(__VA_ARGS__)
#define gdk_pixbuf_get_height(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_get_height)(__VA_ARGS__)
#define gdk_pixbuf_get_n_channels(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_get_n_channels)(__VA_ARGS__)
#define gdk_pixbuf_get_rowstride(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_get_rowstride)(__VA_ARGS__)
#define gdk_pixbuf_get_width(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_get_width)(__VA_ARGS__)
#define gdk_pixbuf_new_from_file(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_new_from_file)(__VA_ARGS__)
#define gdk_pixbuf_read_pixels(...) KORVO_LATE_BOUND(kGdkPixbuf, gdk_pixbuf_read_pixels)(__VA_ARGS__)
