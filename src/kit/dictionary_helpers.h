#pragma once
// Helpers for building the dictionaries that go into the print-settings ticket and for reading
// them back. Every helper takes the dictionary and the key by pointer and copes with null ones:
// a write then does nothing and a read answers false (or null), so a caller whose dictionary
// could not be had needs no check of its own. Values written are owned by the dictionary.
#include <cstdint>

#include "platform/plist/plist_value.h"

// Signed integer of pointer width: the width at which counts, enumerations and other integer
// settings are read back from a dictionary.
using CFIndex = std::intptr_t;

// The C type a caller's number variable has.
enum CFNumberType : int {
  kCFNumberSInt32Type,   // std::int32_t
  kCFNumberSInt64Type,   // std::int64_t
  kCFNumberFloat32Type,  // float
  kCFNumberFloat64Type,  // double
  kCFNumberCFIndexType,  // CFIndex
};

// The encoding of a caller's C string; the dictionary keeps every string as UTF-8.
enum CFStringEncoding : int {
  kCFStringEncodingUTF8,
  kCFStringEncodingASCII,
  kCFStringEncodingISOLatin1,
};

// Stores value as an integer under key.
void WriteTicketValue(platform::PlistDict* dict, const char* key, CFIndex value);

// True and *value set when dict and key are given and the key holds a number that is a whole
// number within CFIndex's range (a real such as 3.0 counts); otherwise false and *value as it was.
bool GetCFIndexFromCFDictionary(const platform::PlistDict* dict, const char* key, CFIndex* value);

// Stores the number *value, of the C type `type` names, under key. False (and nothing stored)
// when an argument is null or type is not one of CFNumberType's.
bool CFDictionarySetNumber(platform::PlistDict* dict, const char* key, const void* value, CFNumberType type);

// True and *value set when the key holds a number whose value the C type `type` names holds
// exactly: a real with a fraction is not an integer, 2^40 is not a 32-bit integer, 0.1 is not a
// 32-bit real. Otherwise false and *value as it was. Booleans are not numbers.
bool CFDictionaryGetNumber(const platform::PlistDict* dict, const char* key, void* value, CFNumberType type);

// Stores the C string, decoded from its encoding, under key. False (and nothing stored) when an
// argument is null or the bytes are not valid in that encoding.
bool CFDictionarySetCString(platform::PlistDict* dict, const char* key, const char* text, CFStringEncoding encoding);

// The dictionary under key; when the key is absent, or holds a value of another kind, a new empty
// dictionary is stored there first. The result belongs to dict and stays valid until the key is
// removed or dict itself goes away. Null when dict or key is null.
platform::PlistDict* CFDictionaryGetDictionaryOrCreate(platform::PlistDict* dict, const char* key);
