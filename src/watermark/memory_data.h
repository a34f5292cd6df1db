#pragma once
// A growable block of memory that a PDF is written into (the sink), and the reading of it back
// (the source): how a watermark preview page is kept.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/status.h"

// The sink: bytes written so far and the block. One byte of the block is never filled.
struct MemoryConsumer {
  std::uint32_t position = 0;
  std::unique_ptr<std::uint8_t[]> block;
  std::size_t blockSize = 0;
};

// The source: the read position over a block of `length` written bytes.
struct MemoryProvider {
  std::uint32_t position = 0;
  const std::uint8_t* block = nullptr;
  std::size_t length = 0;
};

// Gives the sink a block of initialSize bytes and position 0. noErr, paramErr without a sink, or
// memFullErr (the sink left empty) when the block cannot be had.
platform::OSStatus CreateMemoryConsumer(std::size_t initialSize, MemoryConsumer* sink);

// Copies count bytes to the sink's position, doubling the block (from at least the size the
// write needs) while it is too small. count; or 0, with the sink as it was, when the block
// cannot grow (no memory, or the position would pass 32 bits).
std::size_t MemoryConsumerPutBytes(MemoryConsumer* sink, const void* bytes, std::size_t count);

// A source over what the sink holds (valid while the sink lives and is not written).
MemoryProvider MemoryProviderFromConsumer(const MemoryConsumer& sink);

// Copies up to count bytes from the position, never past what was written: the count copied.
std::size_t MemoryProviderGetBytes(MemoryProvider* source, void* buffer, std::size_t count);
// Moves the position on by count, not past the end: the count skipped.
std::size_t MemoryProviderSkipBytes(MemoryProvider* source, std::size_t count);
void MemoryProviderRewind(MemoryProvider* source);

// Frees the sink's block. (The source owns nothing; its release only forgets the block.)
void MemoryConsumerReleaseInfo(MemoryConsumer* sink);
void MemoryProviderReleaseInfo(MemoryProvider* source);
