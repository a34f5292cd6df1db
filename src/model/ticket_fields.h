#pragma once
// Reading and writing single fields of the model's ticket dictionaries. Every model record is
// kept as a dictionary whose unset fields are left out, so that a reader takes a key's absence
// as "leave the field as it is", and whose wrong-kind values are ignored rather than half-read.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/plist/plist_value.h"
#include "vocabulary/printer_default.h"

void PutInteger(platform::PlistDict& dict, const char* key, std::int32_t value);
// Writes the value unless it is kPrinterDefault.
void PutIntegerIfSet(platform::PlistDict& dict, const char* key, std::int32_t value);
// Writes the text unless it is empty.
void PutStringIfAny(platform::PlistDict& dict, const char* key, const std::string& text);

// True, and field set, when the key holds exactly a 32-bit integer (an integer in range, or a
// real without a fraction); a string, a boolean, a fraction or a value beyond 32 bits leaves the
// field as it was.
bool ReadInteger(const platform::PlistDict* dict, const char* key, std::int32_t& field);
// The key's string, or none when it is absent or not a string.
const std::string* FindString(const platform::PlistDict* dict, const char* key);
