#include "kit/plugin_bundle.h"

namespace {
platform::Bundle* gBundle = nullptr;  // registered with the platform for the life of the process
}  // namespace

platform::Bundle* GetPDEBundle() {
  if (gBundle == nullptr) gBundle = platform::Bundle::withIdentifier(kKorvoBundleIdentifier);
  return gBundle;
}
