// What the system says about this machine, its user, its routes and the user's folders, and URIs
// shown in messages.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include "platform/files/folders.h"
#include "platform/system/host_identity.h"
#include "platform/system/primary_address.h"
#include "platform/system/uri_text.h"
#include "support/test_support.h"

namespace platform {
namespace {

TEST(URIText, APasswordIsNeverShown) {
  EXPECT_EQ(URIForMessages("ipp://alice:s3:cr@t@10.0.0.7:8631/ipp/print"), "ipp://alice@10.0.0.7:8631/ipp/print");
  EXPECT_EQ(URIForMessages("ipp://alice@10.0.0.7/x"), "ipp://alice@10.0.0.7/x");
  EXPECT_EQ(URIForMessages("ipp://10.0.0.7:631/x@y:z"), "ipp://10.0.0.7:631/x@y:z");
  EXPECT_EQ(URIForMessages("file:///tmp/out.prn"), "file:///tmp/out.prn");
}

TEST(HostIdentity, NamesTheUserAndTheMachineAsTheSystemToolsDo) {
  std::string tools;
  ASSERT_EQ(korvo_test::RunCommand("id -un; uname -n", &tools), 0);
  EXPECT_EQ(ConsoleUserName().value_or("(none)") + "\n" + ComputerName().value_or("(none)") + "\n", tools);
}

constexpr const char* kHeading = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT   \n";

TEST(PrimaryAddress, TakesTheUpDefaultRouteOfTheLowestMetricAndIgnoresTheRest) {
  EXPECT_EQ(PrimaryInterfaceFromRouteTable(std::string(kHeading) +
                                           "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0   \n"
                                           "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0   \n"
                                           "eth1\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0   \n"
                                           "eth2\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0   \n"),
            "eth1");
  EXPECT_EQ(PrimaryInterfaceFromRouteTable(std::string(kHeading) +
                                           "down0\t00000000\t01010101\t0002\t0\t0\t0\t00000000\t0\t0\t0\n"  // not up
                                           "net0\t0000000A\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0\n"   // 10/8
                                           "mask0\t00000000\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0\n"  // 0/8
                                           "junk\tzz\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n"
                                           "short\t00000000\t0003\n"),
            std::nullopt);
  EXPECT_EQ(PrimaryInterfaceFromRouteTable(""), std::nullopt);
  // The heading is never a route, even one that would read as one.
  EXPECT_EQ(PrimaryInterfaceFromRouteTable("lo\t00000000\t0\t0001\t0\t0\t0\t00000000\n"), std::nullopt);
}

TEST(PrimaryAddress, PicksTheFirstAddressOfTheInterface) {
  const std::vector<InterfaceAddress> addresses = {{"lo", "127.0.0.1"}, {"eth0", "192.0.2.2"}, {"eth0", "198.51.100.7"}};
  EXPECT_EQ(FirstAddressOfInterface("eth0", addresses), "192.0.2.2");
  EXPECT_EQ(FirstAddressOfInterface("eth", addresses), std::nullopt);
}

TEST(PrimaryAddress, TheLiveAddressIsAnIPv4AddressOfThisMachine) {
  const std::vector<InterfaceAddress> all = IPv4InterfaceAddresses();
  for (const auto& a : all) {
    in_addr parsed{};
    EXPECT_EQ(::inet_pton(AF_INET, a.address.c_str(), &parsed), 1) << a.interface << " " << a.address;
  }
  const std::optional<std::string> primary = PrimaryIPv4Address();
  if (!primary) GTEST_SKIP() << "this machine has no default IPv4 route";
  EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const auto& a) { return a.address == *primary; })) << *primary;
}

TEST(Folders, FollowTheXdgVariablesAndFallBackUnderHomeWhenUnsetOrRelative) {
  {
    korvo_test::ScopedXdgHome xdg;
    EXPECT_EQ(platform::UserPreferencesFolder(), xdg.dir().file("config"));
    EXPECT_EQ(platform::LocalApplicationSupportFolder(), xdg.dir().file("data"));
  }
  korvo_test::TempDir home;
  korvo_test::ScopedEnv homeVar("HOME", home.path().c_str());
  const std::pair<const char*, const char*> unusable[] = {{nullptr, ""}, {"relative/config", "./data"}};
  for (const auto& [config, data] : unusable) {
    korvo_test::ScopedEnv configVar("XDG_CONFIG_HOME", config), dataVar("XDG_DATA_HOME", data);
    EXPECT_EQ(platform::UserPreferencesFolder(), home.path() + "/.config");
    EXPECT_EQ(platform::LocalApplicationSupportFolder(), home.path() + "/.local/share");
  }
}

TEST(Folders, CreatesMissingParentsPrivatelyAndReportsWhatStandsInTheWay) {
  korvo_test::TempDir dir;
  std::string error;
  ASSERT_TRUE(platform::CreateFolderWithParents(dir.file("a/b/c"), &error)) << error;
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/b/c")));
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("a").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777U, 0700U);
  EXPECT_TRUE(platform::CreateFolderWithParents(dir.file("a/b/c"), &error)) << "an existing folder is fine";

  korvo_test::WriteFile(dir.file("file"), "x");
  EXPECT_FALSE(platform::CreateFolderWithParents(dir.file("file/sub"), &error));
  EXPECT_NE(error.find(dir.file("file/sub")), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(platform::CreateFolderWithParents(dir.file("file"), &error));
  EXPECT_NE(error.find("in the way"), std::string::npos) << error;
  EXPECT_FALSE(platform::CreateFolderWithParents("", &error));
}

}  // namespace
}  // namespace platform
