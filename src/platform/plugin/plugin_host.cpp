#include "platform/plugin/plugin_host.h"

#include <dlfcn.h>

namespace platform {

PDEInterfaceHandle::~PDEInterfaceHandle() {
  if (object_ != nullptr && object_->vtable->Release != nullptr) object_->vtable->Release(&object_);
}

PluginInstance::~PluginInstance() {
  if (instance_ != nullptr) (*instance_)->Release(instance_);
}

Result<PDEInterfaceHandle> PluginInstance::queryPDEInterface() const {
  void* object = nullptr;
  HRESULT result = (*instance_)->QueryInterface(instance_, *PluginUUID::parse(kDialogExtensionIntfIID), &object);
  if (result != S_OK || object == nullptr)
    return Result<PDEInterfaceHandle>::fail("the plug-in does not offer the print-dialog extension interface");
  return Result<PDEInterfaceHandle>::ok(PDEInterfaceHandle(static_cast<PlugInIntf*>(object)));
}

Result<std::unique_ptr<PluginModule>> PluginModule::load(const std::string& bundlePath) {
  using R = Result<std::unique_ptr<PluginModule>>;
  auto bundle = Bundle::open(bundlePath);
  if (!bundle) return R::fail(bundle.error());
  std::string executable = (*bundle)->executablePath();
  if (executable.empty()) return R::fail(bundlePath + ": Info.plist names no \"CFBundleExecutable\"");
  // RTLD_NODELETE: the module's libraries (libcups among them) keep per-thread and per-process
  // state that would be orphaned, and crash a later call, if the module were unmapped.
  void* handle = ::dlopen(executable.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (handle == nullptr) {
    const char* why = ::dlerror();
    return R::fail("cannot load " + executable + ": " + (why ? why : "unknown error"));
  }
  return R::ok(std::unique_ptr<PluginModule>(new PluginModule(*bundle, handle)));
}

PluginModule::~PluginModule() {
  // A module stays mapped while any of its instances lives, as the plug-in model requires;
  // the instances are process-wide, so the registry decides, not this object.
  const PlistValue* factories = PlistDictFind(bundle_->infoDictionary(), "CFPlugInFactories");
  if (factories != nullptr && factories->asDictionary() != nullptr) {
    for (const auto& [factory, name] : *factories->asDictionary()) {
      auto id = PluginUUID::parse(factory);
      if (id && PluginInstanceCount(*id) > 0) return;
    }
  }
  ::dlclose(handle_);
}

void* PluginModule::symbol(const char* name) const { return ::dlsym(handle_, name); }

Result<PluginInstance> PluginModule::createInstance(const PluginUUID& typeID) const {
  using R = Result<PluginInstance>;
  const PlistDict& info = bundle_->infoDictionary();
  const PlistValue* types = PlistDictFind(info, "CFPlugInTypes");
  const PlistValue* factories = PlistDictFind(info, "CFPlugInFactories");
  if (types == nullptr || types->asDictionary() == nullptr || factories == nullptr ||
      factories->asDictionary() == nullptr)
    return R::fail(bundle_->path() + ": Info.plist registers no plug-in factories");
  const PlistValue* factoryList = PlistDictFind(*types->asDictionary(), typeID.toString());
  if (factoryList == nullptr || factoryList->asArray() == nullptr)
    return R::fail(bundle_->path() + ": no factory for plug-in type " + typeID.toString());
  for (const PlistValue& factoryID : *factoryList->asArray()) {
    const std::string* id = factoryID.asString();
    if (id == nullptr) continue;
    const PlistValue* functionName = PlistDictFind(*factories->asDictionary(), *id);
    if (functionName == nullptr || functionName->asString() == nullptr) continue;
    auto factory = reinterpret_cast<PluginFactoryFunction>(symbol(functionName->asString()->c_str()));
    if (factory == nullptr)
      return R::fail(bundle_->path() + ": the module exports no " + *functionName->asString());
    void* instance = factory(nullptr, &typeID);
    if (instance != nullptr) return R::ok(PluginInstance(static_cast<IUnknownVTbl**>(instance)));
  }
  return R::fail(bundle_->path() + ": no factory made an instance of " + typeID.toString());
}

}  // namespace platform
