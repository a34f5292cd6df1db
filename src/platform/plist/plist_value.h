#pragma once
// The one value type of tickets, preference files, the device profile and the model dictionaries:
// a dictionary with string keys, an array, a string, an integer, a real, a boolean, data or a date.
// Values have value semantics and deep equality; dictionaries keep their keys sorted so that
// everything written from them is deterministic.
#include <concepts>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

class PlistValue;
using PlistDict = std::map<std::string, PlistValue, std::less<>>;
using PlistArray = std::vector<PlistValue>;
using PlistData = std::vector<std::uint8_t>;

// A point in time, in seconds since 1970-01-01 00:00:00 UTC (whole seconds in XML form).
struct PlistDate {
  double secondsSince1970 = 0;
  friend bool operator==(const PlistDate&, const PlistDate&) = default;
};

class PlistValue {
 public:
  enum class Kind { None, Dictionary, Array, String, Integer, Real, Boolean, Data, Date };

  PlistValue() = default;  // Kind::None: a placeholder, never written to a file
  PlistValue(PlistDict v) : v_(std::move(v)) {}
  PlistValue(PlistArray v) : v_(std::move(v)) {}
  PlistValue(std::string v) : v_(std::move(v)) {}
  PlistValue(std::string_view v) : v_(std::string(v)) {}
  PlistValue(const char* v) : v_(std::string(v)) {}
  template <std::integral T>
    requires(!std::same_as<T, bool>)
  PlistValue(T v) : v_(static_cast<std::int64_t>(v)) {}
  PlistValue(double v) : v_(v) {}
  PlistValue(bool v) : v_(v) {}
  PlistValue(PlistData v) : v_(std::move(v)) {}
  PlistValue(PlistDate v) : v_(v) {}

  Kind kind() const { return static_cast<Kind>(v_.index()); }

  // Typed access: a pointer to the held value, or null when the value is of another kind.
  const PlistDict* asDictionary() const { return std::get_if<PlistDict>(&v_); }
  PlistDict* asDictionary() { return std::get_if<PlistDict>(&v_); }
  const PlistArray* asArray() const { return std::get_if<PlistArray>(&v_); }
  PlistArray* asArray() { return std::get_if<PlistArray>(&v_); }
  const std::string* asString() const { return std::get_if<std::string>(&v_); }
  const std::int64_t* asInteger() const { return std::get_if<std::int64_t>(&v_); }
  const double* asReal() const { return std::get_if<double>(&v_); }
  const bool* asBoolean() const { return std::get_if<bool>(&v_); }
  const PlistData* asData() const { return std::get_if<PlistData>(&v_); }
  const PlistDate* asDate() const { return std::get_if<PlistDate>(&v_); }

  bool isNumber() const { return kind() == Kind::Integer || kind() == Kind::Real; }

  friend bool operator==(const PlistValue&, const PlistValue&) = default;

 private:
  std::variant<std::monostate, PlistDict, PlistArray, std::string, std::int64_t, double, bool,
               PlistData, PlistDate>
      v_;
};

// Name of a kind, for error messages ("dictionary", "integer" ...).
const char* PlistKindName(PlistValue::Kind kind);

// Dictionary lookup that never inserts: the value under key, or null.
const PlistValue* PlistDictFind(const PlistDict& dict, std::string_view key);
PlistValue* PlistDictFind(PlistDict& dict, std::string_view key);
// The value under key, added empty when absent; the key is copied only then.
PlistValue& PlistDictSlot(PlistDict& dict, std::string_view key);

}  // namespace platform
