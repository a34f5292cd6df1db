#pragma once
// The print dialog's plug-in model: a module exports factory functions named in its bundle's
// Info.plist ("CFPlugInFactories", "CFPlugInTypes"); a factory makes an instance whose first
// word points at an IUnknown-style table; QueryInterface hands out interface objects whose
// first word points at the interface's table.
#include <cstdint>

#include "platform/plugin/plugin_uuid.h"

namespace platform {

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80000004u);

// "00000000-0000-0000-C000-000000000046"
inline constexpr const char* kIUnknownUUID = "00000000-0000-0000-C000-000000000046";

struct IUnknownVTbl {
  void* _reserved;
  HRESULT (*QueryInterface)(void* thisPointer, PluginUUID iid, void** ppv);
  ULONG (*AddRef)(void* thisPointer);
  ULONG (*Release)(void* thisPointer);
};

// A factory: returns a new instance (IUnknownVTbl**) for a plug-in type it serves, else null.
using PluginFactoryFunction = void* (*)(void* allocator, const PluginUUID* typeID);

// The registry of live instances per factory, kept so that a module is not unloaded while one
// of its instances lives.
void PluginAddInstanceForFactory(const PluginUUID& factoryID);
void PluginRemoveInstanceForFactory(const PluginUUID& factoryID);
int PluginInstanceCount(const PluginUUID& factoryID);

}  // namespace platform
