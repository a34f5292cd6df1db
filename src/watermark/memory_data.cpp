#include "watermark/memory_data.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {

constexpr platform::OSStatus memFullErr = -108;
constexpr std::size_t kPositionLimit = std::numeric_limits<std::uint32_t>::max();

// The new block size for a write of count bytes: the block doubled until the write fits with
// its spare byte, never less than what it needs; 0 when no size can hold it.
std::size_t GrownSize(std::size_t size, std::size_t position, std::size_t count) {
  if (count > kPositionLimit - position) return 0;
  const std::size_t needed = position + count + 1;
  std::size_t grown = std::max<std::size_t>(size, 1);
  while (grown < needed) {
    if (grown > std::numeric_limits<std::size_t>::max() / 2) return needed;
    grown *= 2;
  }
  return grown;
}

}  // namespace

platform::OSStatus CreateMemoryConsumer(std::size_t initialSize, MemoryConsumer* sink) {
  if (sink == nullptr) return platform::paramErr;
  *sink = MemoryConsumer{};
  if (initialSize == 0) return platform::noErr;
  sink->block.reset(new (std::nothrow) std::uint8_t[initialSize]);
  if (!sink->block) return memFullErr;
  sink->blockSize = initialSize;
  return platform::noErr;
}

std::size_t MemoryConsumerPutBytes(MemoryConsumer* sink, const void* bytes, std::size_t count) {
  if (sink == nullptr || (bytes == nullptr && count != 0)) return 0;
  if (count == 0) return 0;
  const std::size_t position = sink->position;
  if (sink->blockSize == 0 || count > sink->blockSize - position - 1) {
    const std::size_t size = GrownSize(sink->blockSize, position, count);
    if (size == 0) return 0;
    std::unique_ptr<std::uint8_t[]> grown(new (std::nothrow) std::uint8_t[size]);
    if (!grown) return 0;
    if (position != 0) std::memcpy(grown.get(), sink->block.get(), position);
    sink->block = std::move(grown);
    sink->blockSize = size;
  }
  std::memcpy(sink->block.get() + position, bytes, count);
  sink->position = static_cast<std::uint32_t>(position + count);
  return count;
}

MemoryProvider MemoryProviderFromConsumer(const MemoryConsumer& sink) {
  return MemoryProvider{0, sink.block.get(), sink.position};
}

std::size_t MemoryProviderGetBytes(MemoryProvider* source, void* buffer, std::size_t count) {
  if (source == nullptr || source->block == nullptr || buffer == nullptr) return 0;
  if (source->position >= source->length) return 0;
  const std::size_t n = std::min(count, source->length - source->position);
  std::memcpy(buffer, source->block + source->position, n);
  source->position = static_cast<std::uint32_t>(source->position + n);
  return n;
}

std::size_t MemoryProviderSkipBytes(MemoryProvider* source, std::size_t count) {
  if (source == nullptr || source->position >= source->length) return 0;
  const std::size_t n = std::min(count, source->length - source->position);
  source->position = static_cast<std::uint32_t>(source->position + n);
  return n;
}

void MemoryProviderRewind(MemoryProvider* source) {
  if (source) source->position = 0;
}

void MemoryConsumerReleaseInfo(MemoryConsumer* sink) {
  if (sink) *sink = MemoryConsumer{};
}

void MemoryProviderReleaseInfo(MemoryProvider* source) {
  if (source) *source = MemoryProvider{};
}
