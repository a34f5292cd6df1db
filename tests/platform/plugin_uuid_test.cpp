#include <gtest/gtest.h>

#include "platform/plist/plist_description.h"
#include "platform/plugin/plugin_uuid.h"

namespace {

TEST(PluginUUID, ParsesEitherCaseAndPrintsUpperCase) {
  auto id = platform::PluginUUID::parse("bdb091f4-e57f-11d3-b5cc-0050e4603277");
  ASSERT_TRUE(id);
  EXPECT_EQ(id->toString(), "BDB091F4-E57F-11D3-B5CC-0050E4603277");
  EXPECT_EQ(id->bytes[0], 0xBD);
  EXPECT_EQ(id->bytes[15], 0x77);
  EXPECT_EQ(*id, *platform::PluginUUID::parse("BDB091F4-E57F-11D3-B5CC-0050E4603277"));
}

TEST(PluginUUID, RefusesMalformedText) {
  for (const char* bad : {"", "BDB091F4E57F11D3B5CC0050E4603277", "BDB091F4-E57F-11D3-B5CC-0050E460327",
                          "BDB091F4-E57F-11D3-B5CC-0050E46032777", "GDB091F4-E57F-11D3-B5CC-0050E4603277",
                          "BDB091F4-E57F+11D3-B5CC-0050E4603277"})
    EXPECT_FALSE(platform::PluginUUID::parse(bad)) << bad;
}

TEST(PlistDescription, OneLineTextForEveryKind) {
  using platform::PlistDict;
  platform::PlistValue v = PlistDict{{"b", platform::PlistArray{1, 2.5, false}},
                                     {"a", "say \"hi\"\n"},
                                     {"d", platform::PlistData{0xAB, 0x01}},
                                     {"t", platform::PlistDate{0}}};
  EXPECT_EQ(platform::PlistDescription(v),
            "{\"a\" = \"say \\\"hi\\\"\\n\"; \"b\" = (1, 2.5, false); \"d\" = <ab01>; \"t\" = 1970-01-01T00:00:00Z}");
}

}  // namespace
