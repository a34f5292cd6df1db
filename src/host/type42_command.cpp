#include "host/type42_command.h"

#include "host/host_paths.h"
#include "platform/plugin/plugin_host.h"

namespace korvo_host {

namespace {

// The conversion entry point the module makes visible by this name.
constexpr const char* kType42Symbol = "KorvoType42FromFontFile";
using Type42Proc = platform::OSStatus (*)(const char* fontPath, const char* outPath);

}  // namespace

int RunType42Command(const CommandLine& line, std::ostream& err) {
  const std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto module = platform::PluginModule::load(bundlePath);
  if (!module) {
    err << "ERROR: " << module.error() << "\n";
    return kExitUserError;
  }
  void* address = (*module)->symbol(kType42Symbol);
  if (address == nullptr) {
    err << "ERROR: " << bundlePath << ": the plug-in has no Type 42 conversion\n";
    return kExitUserError;
  }
  // A failed conversion has already said why, in one line of its own.
  const platform::OSStatus status =
      reinterpret_cast<Type42Proc>(address)(line.arguments.front().c_str(), line.outputPath->c_str());
  return status == platform::noErr ? kExitOK : kExitUserError;
}

}  // namespace korvo_host
