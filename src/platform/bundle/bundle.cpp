#include "platform/bundle/bundle.h"

#include <filesystem>
#include <map>
#include <mutex>

#include "platform/bundle/bundle_impl.h"
#include "platform/plist/xml_plist.h"

namespace platform {

namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::string, std::unique_ptr<Bundle>, std::less<>> byIdentifier;
};

// Never destroyed: a Bundle* handed out stays valid even while other objects are torn down at
// process exit, in whatever order that happens.
Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

const std::string* InfoString(const PlistDict& info, std::string_view key) {
  const PlistValue* value = PlistDictFind(info, key);
  return value == nullptr ? nullptr : value->asString();
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

Bundle::Bundle(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Bundle::~Bundle() = default;

Result<Bundle*> Bundle::open(const std::string& path) {
  auto impl = std::make_unique<Impl>();
  impl->path = WithoutTrailingSlashes(path);
  std::string infoPath = impl->path + "/Contents/Info.plist";
  Result<PlistDict> info = ReadXMLPlistDictionaryFile(infoPath);
  if (!info) return Result<Bundle*>::fail(info.error());
  impl->info = info.take();
  const std::string* identifier = InfoString(impl->info, "CFBundleIdentifier");
  if (identifier == nullptr || identifier->empty()) {
    return Result<Bundle*>::fail(infoPath + ": \"CFBundleIdentifier\" is missing or not a non-empty string");
  }
  impl->identifier = *identifier;
  if (const std::string* region = InfoString(impl->info, "CFBundleDevelopmentRegion")) {
    impl->developmentRegion = *region;
  }

  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.byIdentifier.find(impl->identifier);
  if (found != registry.byIdentifier.end()) return Result<Bundle*>::ok(found->second.get());
  std::string key = impl->identifier;
  auto bundle = std::unique_ptr<Bundle>(new Bundle(std::move(impl)));
  Bundle* result = bundle.get();
  registry.byIdentifier.emplace(std::move(key), std::move(bundle));
  return Result<Bundle*>::ok(result);
}

Bundle* Bundle::withIdentifier(std::string_view identifier) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.byIdentifier.find(identifier);
  return found == registry.byIdentifier.end() ? nullptr : found->second.get();
}

const std::string& Bundle::path() const { return impl_->path; }
const std::string& Bundle::identifier() const { return impl_->identifier; }
const PlistDict& Bundle::infoDictionary() const { return impl_->info; }
const std::string& Bundle::developmentRegion() const { return impl_->developmentRegion; }

std::string Bundle::resourcesPath() const { return impl_->path + "/Contents/Resources"; }

std::string Bundle::executablePath() const {
  const std::string* executable = InfoString(impl_->info, "CFBundleExecutable");
  if (executable == nullptr || executable->empty()) return {};
  return impl_->path + "/Contents/MacOS/" + *executable;
}

std::optional<std::string> Bundle::resourcePath(std::string_view name) const {
  std::string candidate = resourcesPath() + "/" + std::string(name);
  std::error_code ec;
  if (name.empty() || !std::filesystem::exists(candidate, ec)) return std::nullopt;
  return candidate;
}

}  // namespace platform
