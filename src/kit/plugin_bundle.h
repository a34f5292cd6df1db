#pragma once
// The plug-in's own bundle: its resources, localisation table and information dictionary.
#include "platform/bundle/bundle.h"

inline constexpr const char* kKorvoBundleIdentifier = "com.korvo.print.pde.korvofeatures.runnel_kkp50_cs";

// The plug-in's bundle, found by its identifier on first use and kept for the life of the
// process; null when it cannot be found.
platform::Bundle* GetPDEBundle();
