// The ticket writers of the job-level commands: each reads its own setting, converts the stored
// number to the command's value and writes it through the writer it is given. The printer-default
// sentinel is answered as "not set" by JTktSetting, before any conversion sees it.
#include <optional>

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/advanced_keys.h"
#include "model/image_options_keys.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "vocabulary/device_profile_limits.h"

namespace {

// Writes command with the stored value as it is.
void WriteStored(const JTktWriter& writer, const platform::PlistDict* ticket, const char* key, int command) {
  if (std::optional<std::int32_t> value = JTktSetting(ticket, key)) WriteJTktCommands(&writer.context, command, *value);
}

// Popup positions count from 1, and the first rows of these menus send nothing: position 2
// is the command's value 0.
void WritePosition(const JTktWriter& writer, const platform::PlistDict* ticket, const char* key, int command) {
  std::optional<std::int32_t> position = JTktSetting(ticket, key);
  if (position && *position >= 2) WriteJTktCommands(&writer.context, command, *position - 2);
}

struct Destination {
  std::int32_t stored;
  std::int32_t bin;
};
// Rows of the output-destination menus to output-bin values; value 3 ("side") has no menu row.
constexpr Destination kDestinations[] = {{1, 0},  {2, 1},  {3, 1},   {18, 1},  {4, 2},  {12, 2}, {5, 6},
                                         {6, 7},  {8, 4},  {9, 5},   {16, 9},  {17, 10}, {20, 11}, {21, 8},
                                         {22, 12}};

}  // namespace

void WriteJTKTDuplex(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (ticket == nullptr) return;
  const char* key = JTktHas(ticket, kFinishingDuplexKey) ? kFinishingDuplexKey : kPMDuplexingKey;
  const std::int32_t stored = JTktSetting(ticket, key).value_or(0);
  WriteJTktCommands(&writer.context, kJTktSides, stored == 2 ? 1 : stored == 3 ? 2 : 0);
}

void WriteJTKTOutputDestination(const JTktWriter& writer, const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> stored = JTktSetting(ticket, kFinishingOutputDestinationKey);
  if (!stored) return;
  for (const Destination& row : kDestinations) {
    if (row.stored == *stored) {
      WriteJTktCommands(&writer.context, kJTktOutputBin, row.bin);
      return;
    }
  }
}

void WriteJTKTOffset(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (!JTktHas(ticket, kFinishingOffsetKey)) return;
  const std::optional<std::int32_t> offset = JTktSetting(ticket, kFinishingOffsetKey);
  // The command numbers the offsets from none.
  if (offset && *offset >= kOffsetNone && *offset <= kOffsetSetsAndSubsets)
    WriteJTktCommands(&writer.context, kJTktJobOffset, *offset - kOffsetNone);
  if (JTktSetting(ticket, kFinishingOffsetEnableSubsetKey).value_or(0) != 0)
    WriteJTktCommands(&writer.context, kJTktPagesPerSubset,
                      JTktSetting(ticket, kFinishingOffsetPagesPerSubsetKey).value_or(0));
}

void WriteJTKTResolution(const JTktWriter& writer, const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> stored = JTktSetting(ticket, kResolutionKey);
  if (!stored) return;
  JTktResolution resolution{0, 0, kJTktDotsPerInch};
  switch (*stored) {
    case 1: resolution.crossFeed = resolution.feedDirection = 300; break;
    case 2: resolution.crossFeed = resolution.feedDirection = 600; break;
    case 3:
      resolution.crossFeed = 1200;
      resolution.feedDirection = 600;
      break;
    case 4: resolution.crossFeed = resolution.feedDirection = 1200; break;
    default: return;
  }
  WriteJTktResolution(&writer.context, &resolution);
}

void WriteJTKTOutputColor(const JTktWriter& writer, const platform::PlistDict* ticket) { WriteStored(writer, ticket, kFinishingOutputColorKey, kJTktColorEffects); }

void WriteJTKTImageRotation(const JTktWriter& writer, const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> stored = JTktSetting(ticket, kAdvancedRotateImage180Key);
  if (stored == 1) WriteJTktCommands(&writer.context, kJTktPageRotation, 1);  // "Off": upright
  if (stored == 2) WriteJTktCommands(&writer.context, kJTktPageRotation, 0);  // "On": turned
}

void WriteJTKTPrinterEmulation(const JTktWriter& writer, const platform::PlistDict* ticket) { WriteStored(writer, ticket, kInkwellEmulationKey, kJTktDarknessMode); }

void WriteJTKTOutputOrder(const JTktWriter& writer, const platform::PlistDict* ticket) { WriteStored(writer, ticket, kOutputOrderKey, kJTktPageDelivery); }

// Only a step the reader takes back, by the profile's range.
void WriteJTKTLightenDarken(const JTktWriter& writer, const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> value = JTktSetting(ticket, kLightenDarkenKey);
  if (value && KFSFeatureNumberInRange("LightenDarken", *value))
    WriteJTktCommands(&writer.context, kJTktDarknessValue, *value);
}

void WriteJTKTAntiAliasing(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (!JTktHas(ticket, kAntialiasingKey)) return;
  const platform::PlistValue* value = platform::PlistDictFind(*ticket, kAntialiasingKey);
  // A value that is not a number asks for value 0, which the element does not know.
  if (!value->isNumber()) {
    WriteJTktCommands(&writer.context, kJTktAntiAliasing, 0);
    return;
  }
  WriteStored(writer, ticket, kAntialiasingKey, kJTktAntiAliasing);
}

void WriteJTKTOPIPreScan(const JTktWriter& writer, const platform::PlistDict* ticket) { WritePosition(writer, ticket, kOPIPrescanKey, kJTktOPIPreScan); }

void WriteJTKTOPISubsitution(const JTktWriter& writer, const platform::PlistDict* ticket) { WritePosition(writer, ticket, kOPISubsitutionKey, kJTktOPIInsertion); }

void WriteJTKTTonerSaver(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (std::optional<bool> on = JTktBoolean(ticket, kTonerSaverKey)) WriteJTktCommands(&writer.context, kJTktTonerSaver, *on ? 1 : 0);
}
