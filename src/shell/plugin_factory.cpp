// The plug-in entry: the factory the print dialog calls, the plug-in instance it gets, and the
// dialog-extension interface object whose table leads to the shell's operations.
#include <memory>

#include "platform/module_export.h"
#include "platform/plugin/pde_interface.h"
#include "platform/plugin/plugin_abi.h"
#include "shell/pde_shell.h"

using platform::HRESULT;
using platform::OSStatus;
using platform::PluginUUID;
using platform::ULONG;

namespace {

constexpr const char* kKorvoFactoryUUID = "7ED2309E-9940-47CA-8865-900E79B2EEE5";

struct PlugInInstance {
  const platform::IUnknownVTbl* vtable;
  PluginUUID factoryID;
  ULONG refCount;
};

struct PDEInterfaceObject {
  const platform::PlugInIntfVTable* vtable;  // first, as the dialog reads it
  ULONG refCount;
};

OSStatus PDERetain(platform::PlugInIntf* object) {
  if (object == nullptr) return platform::paramErr;
  ++reinterpret_cast<PDEInterfaceObject*>(object)->refCount;
  return platform::noErr;
}

OSStatus PDERelease(platform::PlugInIntf** objectPointer) {
  if (objectPointer == nullptr || *objectPointer == nullptr) return platform::paramErr;
  auto* object = reinterpret_cast<PDEInterfaceObject*>(*objectPointer);
  *objectPointer = nullptr;  // the caller's reference is gone whatever the count
  if (--object->refCount == 0) std::unique_ptr<PDEInterfaceObject> owned(object);
  return platform::noErr;
}

OSStatus PDEGetAPIVersion(platform::PlugInIntf* object, platform::PMPlugInAPIVersion* version) {
  if (object == nullptr || version == nullptr) return platform::paramErr;
  *version = platform::PMPlugInAPIVersion{1, 0, 1, 0};
  return platform::noErr;
}

const platform::PlugInIntfVTable kPDEInterfaceTable = {
    PDERetain,        PDERelease,     PDEGetAPIVersion, PDEShellPrologue, PDEShellInitialize,
    PDEShellSync,     PDEShellGetSummaryText, PDEShellOpen, PDEShellClose, PDEShellTerminate,
};

ULONG InstanceAddRef(void* thisPointer) {
  return ++static_cast<PlugInInstance*>(thisPointer)->refCount;
}

ULONG InstanceRelease(void* thisPointer) {
  auto* instance = static_cast<PlugInInstance*>(thisPointer);
  if (--instance->refCount > 0) return instance->refCount;
  std::unique_ptr<PlugInInstance> owned(instance);
  platform::PluginRemoveInstanceForFactory(owned->factoryID);
  return 0;
}

HRESULT InstanceQueryInterface(void* thisPointer, PluginUUID iid, void** ppv) {
  if (ppv == nullptr) return platform::E_NOINTERFACE;
  if (iid == *PluginUUID::parse(platform::kIUnknownUUID)) {
    InstanceAddRef(thisPointer);
    *ppv = thisPointer;
    return platform::S_OK;
  }
  if (iid == *PluginUUID::parse(platform::kDialogExtensionIntfIID)) {
    *ppv = new PDEInterfaceObject{&kPDEInterfaceTable, 1};  // freed by its own Release at 0
    return platform::S_OK;
  }
  *ppv = nullptr;
  return platform::E_NOINTERFACE;
}

const platform::IUnknownVTbl kInstanceTable = {nullptr, InstanceQueryInterface, InstanceAddRef, InstanceRelease};

}  // namespace

extern "C" KORVO_EXPORT void* KorvoPDEPluginFactory(void* /*allocator*/,
                                                                              const PluginUUID* typeID) {
  if (typeID == nullptr || *typeID != *PluginUUID::parse(platform::kPDEPlugInTypeUUID)) return nullptr;
  auto instance = std::make_unique<PlugInInstance>(
      PlugInInstance{&kInstanceTable, *PluginUUID::parse(kKorvoFactoryUUID), 1});
  platform::PluginAddInstanceForFactory(instance->factoryID);
  return instance.release();  // the dialog releases it through its table
}
