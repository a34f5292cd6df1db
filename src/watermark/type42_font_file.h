#pragma once
// Type 42 conversion of a font file, and the entry point korvo-pde's type42 command calls.
#include <ostream>
#include <string>
#include <string_view>

#include "platform/module_export.h"
#include "platform/status.h"
#include "watermark/type42_conversion.h"


// The name a font file's program gets: the PostScript name in the font, else the file's name
// without folder and extension.
std::string Type42NameForFontFile(const std::string& fontPath);

// Reads the font file and appends its Type 42 program, named fontName, to *program. kDone; or
// kRejected (also for a file that cannot be read) or kCannotSplit, with one "ERROR:" line naming
// the file in *error (the converter's "DEBUG:" line goes to diagnostics).
Type42Result ConvertFontFileToType42(const std::string& fontPath, std::string_view fontName, std::string* program,
                                     std::string* error, std::ostream* diagnostics);

// Converts the font file at fontPath and writes the program to outPath whole or not at all.
// noErr; paramErr for a missing path; fnfErr when the font cannot be read; ioErr when the font is
// refused or the program cannot be written, after one "ERROR:" line on standard error.
extern "C" KORVO_EXPORT platform::OSStatus KorvoType42FromFontFile(const char* fontPath, const char* outPath);
