#include <map>
#include <mutex>

#include "platform/plugin/plugin_abi.h"

namespace platform {

namespace {

struct Registry {
  std::mutex mutex;
  std::map<PluginUUID, int> counts;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void PluginAddInstanceForFactory(const PluginUUID& factoryID) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  ++r.counts[factoryID];
}

void PluginRemoveInstanceForFactory(const PluginUUID& factoryID) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  auto it = r.counts.find(factoryID);
  if (it == r.counts.end()) return;
  if (--it->second <= 0) r.counts.erase(it);
}

int PluginInstanceCount(const PluginUUID& factoryID) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  auto it = r.counts.find(factoryID);
  return it == r.counts.end() ? 0 : it->second;
}

}  // namespace platform
