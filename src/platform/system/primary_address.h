#pragma once
// The machine's primary IPv4 address: the first IPv4 address of the interface that carries the
// default route. The route table and the interface list are read separately from the choices
// made on them, so that the choices can be tried on any table.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct InterfaceAddress {
  std::string interface;  // "eth0"
  std::string address;    // dotted IPv4, "192.168.1.20"
};

// The interface of the default route in the text of /proc/net/route: among the rows whose
// destination and mask are 00000000 and whose flags have the route marked up, the one with the
// lowest metric (the first of equals). None when there is no such row.
std::optional<std::string> PrimaryInterfaceFromRouteTable(std::string_view procNetRoute);

// The first address of interface in addresses, in their order.
std::optional<std::string> FirstAddressOfInterface(std::string_view interface,
                                                   const std::vector<InterfaceAddress>& addresses);

// The IPv4 addresses of the machine's interfaces, in the order the system lists them.
std::vector<InterfaceAddress> IPv4InterfaceAddresses();

// Both choices applied to the live system; none when any step yields nothing.
std::optional<std::string> PrimaryIPv4Address();

}  // namespace platform
