#include "host/print_dialog.h"

namespace korvo_host {

platform::Result<std::unique_ptr<PrintDialog>> PrintDialog::load(const std::string& bundlePath) {
  using R = platform::Result<std::unique_ptr<PrintDialog>>;
  auto module = platform::PluginModule::load(bundlePath);
  if (!module) return R::fail(module.error());
  auto instance = (*module)->createInstance(*platform::PluginUUID::parse(platform::kPDEPlugInTypeUUID));
  if (!instance) return R::fail(instance.error());
  auto pde = instance->queryPDEInterface();
  if (!pde) return R::fail(bundlePath + ": " + pde.error());
  return R::ok(std::unique_ptr<PrintDialog>(new PrintDialog(module.take(), instance.take(), pde.take())));
}

PrintDialog::~PrintDialog() {
  if (live_) terminate();
}

platform::OSStatus PrintDialog::prologue() {
  platform::OSType creator = 0;
  std::uint32_t maxH = 0, maxV = 0;
  platform::OSStatus status = pde_.table().Prologue(&context_, &creator, &kind_, &title_, &maxH, &maxV);
  live_ = context_ != nullptr;
  return status;
}

platform::OSStatus PrintDialog::initialize(platform::PrintSession& session) {
  session_ = &session;
  platform::PMPDEFlags flags = 0;
  return pde_.table().Initialize(context_, &flags, nullptr, nullptr, session_);
}

platform::OSStatus PrintDialog::open() { return pde_.table().Open(context_); }

platform::OSStatus PrintDialog::sync(bool reinitialize) { return pde_.table().Sync(context_, session_, reinitialize); }

platform::OSStatus PrintDialog::close() { return pde_.table().Close(context_); }

platform::OSStatus PrintDialog::terminate(platform::OSStatus status) {
  if (!live_) return platform::noErr;
  live_ = false;
  platform::OSStatus result = pde_.table().Terminate(context_, status);
  context_ = nullptr;
  return result;
}

}  // namespace korvo_host
