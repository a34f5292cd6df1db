#pragma once
// Job-level commands: the single elements whose value is an integer or one keyword of a short
// list, written by WriteJTktCommands from a command code and a value; the three job-level
// emitters with a little structure of their own (printer resolution, accounting identifiers,
// the page range); and the small ticket writers that read one setting each and call them.
#include <cstdint>

#include "jobticket/writer/jtkt_context.h"
#include "platform/plist/plist_value.h"

// Command codes of WriteJTktCommands.
enum JTktCommand : int {
  kJTktCopies = 0,
  kJTktSheetCollate = 1,
  kJTktSides = 2,
  kJTktOrientation = 3,
  kJTktOutputBin = 4,
  kJTktDarknessValue = 5,
  kJTktTonerSaver = 6,
  kJTktJobOffset = 7,
  kJTktPagesPerSubset = 8,
  kJTktDarknessMode = 9,
  kJTktPageRotation = 10,
  kJTktSeparatorSheets = 11,
  kJTktOPIInsertion = 12,
  kJTktOPIPreScan = 13,
  kJTktAntiAliasing = 14,
  kJTktLightness = 16,
  kJTktContrast = 17,
  kJTktSaturation = 18,
  kJTktCyanRed = 19,
  kJTktMagentaGreen = 20,
  kJTktYellowBlue = 21,
  kJTktTrapping = 22,
  kJTktTrapWidthFast = 23,
  kJTktTrapWidthSlow = 24,
  kJTktBlackOverprint = 25,
  kJTktRenderingImages = 26,
  kJTktRenderingText = 27,
  kJTktRenderingGraphics = 28,
  kJTktPageDelivery = 29,
  kJTktColorEffects = 30,
};

// The input of WriteJTktResolution; units 3 is dots per inch, the only unit used.
struct JTktResolution {
  std::int32_t crossFeed;
  std::int32_t feedDirection;
  std::int32_t units;
};
inline constexpr std::int32_t kJTktDotsPerInch = 3;

extern "C" {
// One element for the command and value, in one write (an empty fragment when the command or the
// value is not one the element knows, or the value is kPrinterDefault, which is never sent).
// Writes "DEBUG: in WriteJTktCommands funcion \n" to the diagnostics stream first.
KORVO_EXPORT int WriteJTktCommands(const JTktWriteContext* ctx, int command, std::int32_t value);
// The printer-resolution collection, in one fragment.
KORVO_EXPORT int WriteJTktResolution(const JTktWriteContext* ctx, const JTktResolution* resolution);
// The accounting user and account identifiers (UTF-8, escaped here), one fragment each; a null
// identifier writes no element.
KORVO_EXPORT int WriteJTktAccounting(const JTktWriteContext* ctx, const char* userId, const char* accountId);
// The page range to print, in four fragments.
KORVO_EXPORT int WriteJTktPageRanges(const JTktWriteContext* ctx, long lower, long upper);
}

// Ticket writers, each for its own keys, through the writer it is given; nothing when the ticket is
// null or lacks the key, or the value is the printer default or outside the conversion.
void WriteJTKTDuplex(const JTktWriter& writer, const platform::PlistDict* ticket);  // "sides" always, one-sided by default
void WriteJTKTOutputDestination(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTOffset(const JTktWriter& writer, const platform::PlistDict* ticket);  // job offset, then pages per subset
void WriteJTKTResolution(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTOutputColor(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTImageRotation(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTPrinterEmulation(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTOutputOrder(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTLightenDarken(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTAntiAliasing(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTOPIPreScan(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTOPISubsitution(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTTonerSaver(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTAccounting(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTPagesToPrint(const JTktWriter& writer, const platform::PlistDict* ticket);
