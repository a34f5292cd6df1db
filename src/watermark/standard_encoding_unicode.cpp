#include "watermark/postscript_glyph_tables.h"

// Codes 0 to 31, 127 to 160 and the unassigned ones are 0.
const std::array<char32_t, 256> StandardEncodingUnicode = [] {
  std::array<char32_t, 256> u{};
  for (char32_t c = 32; c < 127; ++c) u[c] = c;
  u[39] = 0x2019;  // quoteright
  u[96] = 0x2018;  // quoteleft
  const std::pair<int, char32_t> upper[] = {
      {161, 0xA1},   {162, 0xA2},   {163, 0xA3},   {164, 0x2044}, {165, 0xA5},   {166, 0x192},  {167, 0xA7},
      {168, 0xA4},   {169, 0x27},   {170, 0x201C}, {171, 0xAB},   {172, 0x2039}, {173, 0x203A}, {174, 0xFB01},
      {175, 0xFB02}, {177, 0x2013}, {178, 0x2020}, {179, 0x2021}, {180, 0xB7},   {182, 0xB6},   {183, 0x2022},
      {184, 0x201A}, {185, 0x201E}, {186, 0x201D}, {187, 0xBB},   {188, 0x2026}, {189, 0x2030}, {191, 0xBF},
      {193, 0x60},   {194, 0xB4},   {195, 0x2C6},  {196, 0x2DC},  {197, 0xAF},   {198, 0x2D8},  {199, 0x2D9},
      {200, 0xA8},   {202, 0x2DA},  {203, 0xB8},   {205, 0x2DD},  {206, 0x2DB},  {207, 0x2C7},  {208, 0x2014},
      {225, 0xC6},   {227, 0xAA},   {232, 0x141},  {233, 0xD8},   {234, 0x152},  {235, 0xBA},   {241, 0xE6},
      {245, 0x131},  {248, 0x142},  {249, 0xF8},   {250, 0x153},  {251, 0xDF}};
  for (auto [code, unicode] : upper) u[static_cast<std::size_t>(code)] = unicode;
  return u;
}();
