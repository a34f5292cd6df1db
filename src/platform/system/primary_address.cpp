#include "platform/system/primary_address.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/files/file_io.h"

namespace platform {

namespace {

constexpr std::uint32_t kRouteUp = 0x0001;  // RTF_UP

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    i = line.find_first_not_of(" \t\r", i);
    if (i == std::string_view::npos) break;
    std::size_t end = line.find_first_of(" \t\r", i);
    if (end == std::string_view::npos) end = line.size();
    fields.push_back(line.substr(i, end - i));
    i = end;
  }
  return fields;
}

std::optional<std::uint32_t> ParseNumber(std::string_view text, int base) {
  std::uint32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct IfAddrsFree {
  void operator()(ifaddrs* list) const { ::freeifaddrs(list); }
};

}  // namespace

std::optional<std::string> PrimaryInterfaceFromRouteTable(std::string_view procNetRoute) {
  // Columns: Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT; the first
  // line is the heading.
  std::optional<std::string> best;
  std::uint32_t bestMetric = 0;
  bool heading = true;
  while (!procNetRoute.empty()) {
    std::size_t end = procNetRoute.find('\n');
    std::string_view line = procNetRoute.substr(0, end);
    procNetRoute = end == std::string_view::npos ? std::string_view() : procNetRoute.substr(end + 1);
    if (heading) {
      heading = false;
      continue;
    }
    std::vector<std::string_view> f = Fields(line);
    if (f.size() < 8) continue;
    auto destination = ParseNumber(f[1], 16);
    auto flags = ParseNumber(f[3], 16);
    auto metric = ParseNumber(f[6], 10);
    auto mask = ParseNumber(f[7], 16);
    if (!destination || !flags || !metric || !mask) continue;
    if (*destination != 0 || *mask != 0 || (*flags & kRouteUp) == 0) continue;
    if (!best || *metric < bestMetric) {
      best = std::string(f[0]);
      bestMetric = *metric;
    }
  }
  return best;
}

std::optional<std::string> FirstAddressOfInterface(std::string_view interface,
                                                   const std::vector<InterfaceAddress>& addresses) {
  for (const InterfaceAddress& a : addresses) {
    if (a.interface == interface) return a.address;
  }
  return std::nullopt;
}

std::vector<InterfaceAddress> IPv4InterfaceAddresses() {
  std::vector<InterfaceAddress> result;
  ifaddrs* raw = nullptr;
  if (::getifaddrs(&raw) != 0) return result;
  std::unique_ptr<ifaddrs, IfAddrsFree> list(raw);
  for (const ifaddrs* a = list.get(); a != nullptr; a = a->ifa_next) {
    if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET || a->ifa_name == nullptr) continue;
    // The family says the storage behind ifa_addr is a sockaddr_in; copy it out rather than
    // reinterpret the pointer.
    sockaddr_in in{};
    std::memcpy(&in, a->ifa_addr, sizeof in);
    char text[INET_ADDRSTRLEN] = {};
    if (::inet_ntop(AF_INET, &in.sin_addr, text, sizeof text) == nullptr) continue;
    result.push_back({a->ifa_name, text});
  }
  return result;
}

std::optional<std::string> PrimaryIPv4Address() {
  Result<std::string> table = ReadFileBytes("/proc/net/route");
  if (!table) return std::nullopt;
  std::optional<std::string> interface = PrimaryInterfaceFromRouteTable(*table);
  if (!interface) return std::nullopt;
  return FirstAddressOfInterface(*interface, IPv4InterfaceAddresses());
}

}  // namespace platform
