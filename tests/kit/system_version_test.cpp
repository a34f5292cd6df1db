#include "kit/system_version.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemVersion, ComparesMajorThenMinorAndThisPlatformPassesBothGates) {
  platform::SystemVersionNumbers tiger{10, 4, 11};
  EXPECT_TRUE(SystemVersionAtLeast(tiger, 10, 4));
  EXPECT_FALSE(SystemVersionAtLeast(tiger, 10, 5));
  EXPECT_TRUE(SystemVersionAtLeast({11, 0, 0}, 10, 5));
  EXPECT_FALSE(SystemVersionAtLeast({9, 9, 9}, 10, 4));
  EXPECT_TRUE(RunningOn104OrLater());
  EXPECT_TRUE(RunningOn105OrLater());
}

}  // namespace
