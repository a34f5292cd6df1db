// The ticket writers of the job-level commands: each reads its own setting, converts the stored
// number to the command's value and writes it with the default context. The printer-default
// sentinel is answered as "not set" by JTktSetting, before any conversion sees it.
#include <optional>

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/advanced_keys.h"
#include "model/image_options_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "vocabulary/device_profile_limits.h"

namespace {

const JTktWriteContext* DefaultContext() { return &jtkt_ofp.context; }

// Writes command with the stored value as it is.
void WriteStored(const platform::PlistDict* ticket, const char* key, int command) {
  if (std::optional<std::int32_t> value = JTktSetting(ticket, key)) WriteJTktCommands(DefaultContext(), command, *value);
}

// Popup positions count from 1, and the first rows of these menus send nothing: position 2
// is the command's value 0.
void WritePosition(const platform::PlistDict* ticket, const char* key, int command) {
  std::optional<std::int32_t> position = JTktSetting(ticket, key);
  if (position && *position >= 2) WriteJTktCommands(DefaultContext(), command, *position - 2);
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

void WriteJTKTDuplex(const platform::PlistDict* ticket) {
  if (ticket == nullptr) return;
  const char* key = JTktHas(ticket, kFinishingDuplexKey) ? kFinishingDuplexKey : kPMDuplexingKey;
  const std::int32_t stored = JTktSetting(ticket, key).value_or(0);
  WriteJTktCommands(DefaultContext(), kJTktSides, stored == 2 ? 1 : stored == 3 ? 2 : 0);
}

void WriteJTKTOutputDestination(const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> stored = JTktSetting(ticket, kFinishingOutputDestinationKey);
  if (!stored) return;
  for (const Destination& row : kDestinations) {
    if (row.stored == *stored) {
      WriteJTktCommands(DefaultContext(), kJTktOutputBin, row.bin);
      return;
    }
  }
}

void WriteJTKTOffset(const platform::PlistDict* ticket) {
  if (!JTktHas(ticket, kFinishingOffsetKey)) return;
  const std::optional<std::int32_t> offset = JTktSetting(ticket, kFinishingOffsetKey);
  if (offset && *offset >= 2 && *offset <= 5) WriteJTktCommands(DefaultContext(), kJTktJobOffset, *offset - 2);
  if (JTktSetting(ticket, kFinishingOffsetEnableSubsetKey).value_or(0) != 0)
    WriteJTktCommands(DefaultContext(), kJTktPagesPerSubset,
                      JTktSetting(ticket, kFinishingOffsetPagesPerSubsetKey).value_or(0));
}

void WriteJTKTResolution(const platform::PlistDict* ticket) {
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
  WriteJTktResolution(DefaultContext(), &resolution);
}

void WriteJTKTOutputColor(const platform::PlistDict* ticket) { WriteStored(ticket, kFinishingOutputColorKey, kJTktColorEffects); }

void WriteJTKTImageRotation(const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> stored = JTktSetting(ticket, kAdvancedRotateImage180Key);
  if (stored == 1) WriteJTktCommands(DefaultContext(), kJTktPageRotation, 1);  // "Off": upright
  if (stored == 2) WriteJTktCommands(DefaultContext(), kJTktPageRotation, 0);  // "On": turned
}

void WriteJTKTPrinterEmulation(const platform::PlistDict* ticket) { WriteStored(ticket, kInkwellEmulationKey, kJTktDarknessMode); }

void WriteJTKTOutputOrder(const platform::PlistDict* ticket) { WriteStored(ticket, kOutputOrderKey, kJTktPageDelivery); }

// Only a step the reader takes back, by the profile's range.
void WriteJTKTLightenDarken(const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> value = JTktSetting(ticket, kLightenDarkenKey);
  if (value && KFSFeatureNumberInRange("LightenDarken", *value))
    WriteJTktCommands(DefaultContext(), kJTktDarknessValue, *value);
}

void WriteJTKTAntiAliasing(const platform::PlistDict* ticket) {
  if (!JTktHas(ticket, kAntialiasingKey)) return;
  const platform::PlistValue* value = platform::PlistDictFind(*ticket, kAntialiasingKey);
  // A value that is not a number asks for value 0, which the element does not know.
  if (!value->isNumber()) {
    WriteJTktCommands(DefaultContext(), kJTktAntiAliasing, 0);
    return;
  }
  WriteStored(ticket, kAntialiasingKey, kJTktAntiAliasing);
}

void WriteJTKTOPIPreScan(const platform::PlistDict* ticket) { WritePosition(ticket, kOPIPrescanKey, kJTktOPIPreScan); }

void WriteJTKTOPISubsitution(const platform::PlistDict* ticket) { WritePosition(ticket, kOPISubsitutionKey, kJTktOPIInsertion); }

void WriteJTKTTonerSaver(const platform::PlistDict* ticket) {
  if (std::optional<bool> on = JTktBoolean(ticket, kTonerSaverKey)) WriteJTktCommands(DefaultContext(), kJTktTonerSaver, *on ? 1 : 0);
}
