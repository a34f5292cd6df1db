#pragma once
// The print dialog's extension (PDE) interface: the plug-in type, the interface identifier and
// the ten-slot operation table that the dialog calls, and that the shell's panels mirror.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/four_char_code.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"

namespace platform {
namespace ui {
class Control;
}

inline constexpr const char* kPDEPlugInTypeUUID = "BDB091F4-E57F-11D3-B5CC-0050E4603277";
inline constexpr const char* kDialogExtensionIntfIID = "A996FD7E-B738-11D3-8519-0050E4603277";

using PMPDEContext = void*;
using PMPDEFlags = std::uint32_t;
using PMPDERef = void*;
using ControlRef = ui::Control*;
using PMPrintSession = PrintSession*;
// A summary array as the dialog receives it: absent (null) or a list of texts.
using SummaryArray = std::optional<std::vector<std::string>>;


struct PMPlugInAPIVersion {
  std::uint32_t buildVersionMajor, buildVersionMinor;
  std::uint32_t baseVersionMajor, baseVersionMinor;
};

struct PlugInIntf;  // an interface object: its first member points at the table

// Ten slots, in this order. A panel's record leaves the first three null.
struct PlugInIntfVTable {
  OSStatus (*Retain)(PlugInIntf* object);
  OSStatus (*Release)(PlugInIntf** objectPointer);  // clears *objectPointer first
  OSStatus (*GetAPIVersion)(PlugInIntf* object, PMPlugInAPIVersion* version);
  OSStatus (*Prologue)(PMPDEContext* context, OSType* creator, std::string* kind, std::string* title,
                       std::uint32_t* maxH, std::uint32_t* maxV);
  OSStatus (*Initialize)(PMPDEContext context, PMPDEFlags* flags, PMPDERef ref, ControlRef parentUserPane,
                         PMPrintSession session);
  OSStatus (*Sync)(PMPDEContext context, PMPrintSession session, bool reinitializePlugIn);
  OSStatus (*GetSummaryText)(PMPDEContext context, SummaryArray* titles, SummaryArray* values);
  OSStatus (*Open)(PMPDEContext context);
  OSStatus (*Close)(PMPDEContext context);
  OSStatus (*Terminate)(PMPDEContext context, OSStatus status);
};

struct PlugInIntf {
  const PlugInIntfVTable* vtable;
};

}  // namespace platform
