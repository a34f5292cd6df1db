#include "watermark/type42_font_file.h"

#include <filesystem>
#include <iostream>

#include "platform/files/file_io.h"
#include "platform/fonts/font_catalog.h"

std::string Type42NameForFontFile(const std::string& fontPath) {
  if (auto name = platform::FontFilePostScriptName(fontPath)) return *name;
  return std::filesystem::path(fontPath).stem().string();
}

Type42Result ConvertFontFileToType42(const std::string& fontPath, std::string_view fontName, std::string* program,
                                     std::string* error, std::ostream* diagnostics) {
  auto bytes = platform::ReadFileBytes(fontPath);
  if (!bytes) {
    *error = "ERROR: " + bytes.error();
    return Type42Result::kRejected;
  }
  const FontBytes font(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
  const Type42Result result = convertTTFtoPS42(font, fontName, program, diagnostics);
  if (result == Type42Result::kRejected)
    *error = "ERROR: " + fontPath + ": not a TrueType font that can be converted to Type 42";
  else if (result == Type42Result::kCannotSplit)
    *error = "ERROR: " + fontPath + ": a table is too large for a Type 42 program; nothing was converted";
  return result;
}

platform::OSStatus KorvoType42FromFontFile(const char* fontPath, const char* outPath) {
  if (fontPath == nullptr || outPath == nullptr) {
    std::cerr << "ERROR: the Type 42 conversion needs a font file and an output file\n";
    return platform::paramErr;
  }
  if (!std::filesystem::exists(fontPath)) {
    std::cerr << "ERROR: " << fontPath << ": there is no such font file\n";
    return platform::fnfErr;
  }
  if (std::optional<std::string> refused = platform::CheckInputFile(fontPath)) {  // a FIFO, a folder...
    std::cerr << "ERROR: " << *refused << "\n";
    return platform::ioErr;
  }
  std::string program, error;
  if (ConvertFontFileToType42(fontPath, Type42NameForFontFile(fontPath), &program, &error, &std::cerr) !=
      Type42Result::kDone) {
    std::cerr << error << "\n";
    return platform::ioErr;
  }
  if (!platform::WriteFileAtomically(outPath, program, &error)) {
    std::cerr << "ERROR: " << error << "\n";
    return platform::ioErr;
  }
  return platform::noErr;
}
