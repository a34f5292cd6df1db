#include "shell/printer_description.h"

#include "vocabulary/device_profile.h"
#include "vocabulary/installable_options.h"
#include "vocabulary/installed_features.h"
#include "vocabulary/ppd_bridge.h"

bool CurrentPrinterIsKorvo() {
  PPDFile* ppd = PPDGetCurrent();
  if (ppd == nullptr) return false;
  std::optional<std::string> manufacturer = PPDCopyManufacturer(ppd);
  return manufacturer && *manufacturer == kKorvoManufacturer;
}

void LoadPrinterFeatures() {
  if (PPDFile* ppd = PPDGetCurrent()) LoadInstallableOptions(ppd, InstalledFeatures);
  KFSInitialize();
}

void UnloadPrinterFeatures() {
  PPDCloseCurrent();
  UnloadInstallableOptions();
  KFSFinalize();
}
