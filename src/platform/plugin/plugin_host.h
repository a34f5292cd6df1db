#pragma once
// The host side of the plug-in model: load a bundle's module with dlopen, make an instance of a
// plug-in type through the factory the bundle's Info.plist names, and ask it for an interface.
// Every handle is an owning type; releasing happens in destructors only.
#include <memory>
#include <string>

#include "platform/bundle/bundle.h"
#include "platform/plugin/pde_interface.h"
#include "platform/plugin/plugin_abi.h"
#include "platform/result.h"

namespace platform {

// An interface object handed out by QueryInterface; released (through its own table) on
// destruction.
class PDEInterfaceHandle {
 public:
  explicit PDEInterfaceHandle(PlugInIntf* object) : object_(object) {}
  ~PDEInterfaceHandle();
  PDEInterfaceHandle(PDEInterfaceHandle&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  PDEInterfaceHandle& operator=(PDEInterfaceHandle&&) = delete;
  PDEInterfaceHandle(const PDEInterfaceHandle&) = delete;

  PlugInIntf* get() const { return object_; }
  const PlugInIntfVTable& table() const { return *object_->vtable; }

 private:
  PlugInIntf* object_;
};

// A plug-in instance (IUnknown); released on destruction.
class PluginInstance {
 public:
  explicit PluginInstance(IUnknownVTbl** instance) : instance_(instance) {}
  ~PluginInstance();
  PluginInstance(PluginInstance&& other) noexcept : instance_(other.instance_) { other.instance_ = nullptr; }
  PluginInstance& operator=(PluginInstance&&) = delete;
  PluginInstance(const PluginInstance&) = delete;

  IUnknownVTbl** get() const { return instance_; }
  // The dialog-extension interface, or a message when the instance does not offer it.
  Result<PDEInterfaceHandle> queryPDEInterface() const;

 private:
  IUnknownVTbl** instance_;
};

class PluginModule {
 public:
  // Opens the bundle at bundlePath and loads its executable.
  static Result<std::unique_ptr<PluginModule>> load(const std::string& bundlePath);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  Bundle& bundle() const { return *bundle_; }
  // An instance of typeID made by the first factory the bundle registers for that type.
  Result<PluginInstance> createInstance(const PluginUUID& typeID) const;
  // The address of an exported function of the module, or null.
  void* symbol(const char* name) const;

 private:
  PluginModule(Bundle* bundle, void* handle) : bundle_(bundle), handle_(handle) {}
  Bundle* bundle_;
  void* handle_;
};

}  // namespace platform
