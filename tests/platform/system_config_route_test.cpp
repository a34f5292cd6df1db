#include <gtest/gtest.h>

#include <arpa/inet.h>

#include "platform/system/primary_address.h"

namespace {

using platform::FirstAddressOfInterface;
using platform::PrimaryInterfaceFromRouteTable;

constexpr const char* kHeading = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT   \n";

TEST(PrimaryAddress, TakesTheDefaultRouteOfTheLowestMetric) {
  std::string table = std::string(kHeading) +
      "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0   \n"
      "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0   \n"
      "eth1\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0   \n"
      "eth2\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0   \n";
  EXPECT_EQ(PrimaryInterfaceFromRouteTable(table), "eth1");
}

TEST(PrimaryAddress, IgnoresRoutesThatAreDownNotDefaultOrUnreadable) {
  std::string table = std::string(kHeading) +
      "down0\t00000000\t01010101\t0002\t0\t0\t0\t00000000\t0\t0\t0\n"   // not up
      "net0\t0000000A\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0\n"    // 10.0.0.0/8
      "mask0\t00000000\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0\n"   // 0.0.0.0/8
      "junk\tzz\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n"
      "short\t00000000\t0003\n";
  EXPECT_EQ(PrimaryInterfaceFromRouteTable(table), std::nullopt);
  EXPECT_EQ(PrimaryInterfaceFromRouteTable(kHeading), std::nullopt);
  EXPECT_EQ(PrimaryInterfaceFromRouteTable(""), std::nullopt);
  // The heading is never a route, even one that would read as one.
  EXPECT_EQ(PrimaryInterfaceFromRouteTable("lo\t00000000\t0\t0001\t0\t0\t0\t00000000\n"), std::nullopt);
}

TEST(PrimaryAddress, PicksTheFirstAddressOfTheInterface) {
  std::vector<platform::InterfaceAddress> addresses = {
      {"lo", "127.0.0.1"}, {"eth0", "192.0.2.2"}, {"eth0", "198.51.100.7"}};
  EXPECT_EQ(FirstAddressOfInterface("eth0", addresses), "192.0.2.2");
  EXPECT_EQ(FirstAddressOfInterface("eth1", addresses), std::nullopt);
  EXPECT_EQ(FirstAddressOfInterface("eth", addresses), std::nullopt);
}

TEST(PrimaryAddress, TheLiveAddressIsAnIPv4AddressOfThisMachine) {
  std::vector<platform::InterfaceAddress> all = platform::IPv4InterfaceAddresses();
  for (const auto& a : all) {
    in_addr parsed{};
    EXPECT_EQ(::inet_pton(AF_INET, a.address.c_str(), &parsed), 1) << a.interface << " " << a.address;
  }
  std::optional<std::string> primary = platform::PrimaryIPv4Address();
  if (!primary) GTEST_SKIP() << "this machine has no default IPv4 route";
  bool listed = false;
  for (const auto& a : all) listed = listed || a.address == *primary;
  EXPECT_TRUE(listed) << *primary;
}

}  // namespace
