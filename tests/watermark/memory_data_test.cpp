// The memory sink and source of the preview PDF.
#include <gtest/gtest.h>

#include <cstring>

#include "watermark/memory_data.h"

namespace {

TEST(MemoryConsumer, GrowsOnlyPastItsSpareByteAndAFailedGrowthKeepsWhatWasWritten) {
  MemoryConsumer sink;
  ASSERT_EQ(CreateMemoryConsumer(16, &sink), platform::noErr);
  const std::string bytes(15, 'x');
  EXPECT_EQ(MemoryConsumerPutBytes(&sink, bytes.data(), 15), 15u);
  EXPECT_EQ(sink.blockSize, 16u);
  EXPECT_EQ(MemoryConsumerPutBytes(&sink, "y", 1), 1u);
  EXPECT_EQ(sink.blockSize, 32u);
  EXPECT_EQ(sink.position, 16u);
  EXPECT_EQ(std::memcmp(sink.block.get(), (bytes + "y").data(), 16), 0);

  // A write that cannot fit 32 bits of position reports 0 and keeps what was written.
  const char byte = 'q';
  EXPECT_EQ(MemoryConsumerPutBytes(&sink, &byte, std::size_t{0xFFFFFFFF}), 0u);
  EXPECT_EQ(sink.position, 16u);
  EXPECT_EQ(sink.blockSize, 32u);
  EXPECT_EQ(std::memcmp(sink.block.get(), (bytes + "y").data(), 16), 0);
  EXPECT_EQ(MemoryConsumerPutBytes(nullptr, "a", 1), 0u);
}

// A block of size 0 grows to cover the write instead of doubling 0 for ever.
TEST(MemoryProvider, ReadsFromAnEmptyBlockGrownButNeverPastWhatWasWritten) {
  MemoryConsumer sink;
  ASSERT_EQ(CreateMemoryConsumer(0, &sink), platform::noErr);
  ASSERT_EQ(MemoryConsumerPutBytes(&sink, "hello world", 11), 11u);
  EXPECT_GE(sink.blockSize, 12u);
  MemoryProvider source = MemoryProviderFromConsumer(sink);
  char buffer[64] = {};
  EXPECT_EQ(MemoryProviderGetBytes(&source, buffer, 5), 5u);
  EXPECT_EQ(MemoryProviderSkipBytes(&source, 1), 1u);
  EXPECT_EQ(MemoryProviderGetBytes(&source, buffer, 64), 5u);
  EXPECT_EQ(std::string(buffer, 5), "world");
  EXPECT_EQ(MemoryProviderGetBytes(&source, buffer, 64), 0u);
  EXPECT_EQ(MemoryProviderSkipBytes(&source, 100), 0u);
  MemoryProviderRewind(&source);
  EXPECT_EQ(MemoryProviderSkipBytes(&source, 100), 11u);
  MemoryProviderReleaseInfo(&source);
  EXPECT_EQ(MemoryProviderGetBytes(&source, buffer, 4), 0u);  // no block: nothing reported
  MemoryConsumerReleaseInfo(&sink);
  EXPECT_EQ(sink.blockSize, 0u);
}

}  // namespace
