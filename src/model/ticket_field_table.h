#pragma once
// One table of fields per model record, walked both ways: asTicket writes the rows and fromTicket
// reads the same rows, so a field cannot be written and never read back. A row names its key, the
// kind of value it keeps (which member, how it is written and read) and, where the record says
// so, the conditions under which it is written or read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/ticket_fields.h"
#include "platform/plist/plist_value.h"
#include "vocabulary/printer_default.h"

namespace ticket_fields {

template <class R>
struct Field;
template <class R>
using Table = std::span<const Field<R>>;

// The dictionary of every row whose conditions hold.
template <class R>
platform::PlistDict WriteFields(const R& record, Table<R> table);
// Resets the rows that say so, then reads the rows in table order, each only when its conditions
// hold; a key that is absent or holds a value its kind cannot take leaves its member alone. Null
// does nothing.
template <class R>
void ReadFields(R& record, Table<R> table, const platform::PlistDict* dict);

// Each kind below writes its member under a key (put) and reads it back (take); both return
// whether they wrote or took the key.

enum class Written { kAlways, kWhenSet };

// A 32-bit integer member. Read only from an exact 32-bit integer that `accept` allows (any, when
// null). With `reset`, the member takes that value before the dictionary is read, so a dictionary
// without a usable value leaves the default rather than the old value.
template <class R, Written W>
struct Int32Field {
  std::int32_t R::*field;
  bool (*accept)(std::int32_t) = nullptr;
  std::optional<std::int32_t> reset = std::nullopt;

  bool put(const R& record, platform::PlistDict& dict, const char* key) const {
    if (W == Written::kWhenSet && record.*field == kPrinterDefault) return false;
    PutInteger(dict, key, record.*field);
    return true;
  }
  bool take(R& record, const platform::PlistDict& dict, const char* key) const {
    std::int32_t value = 0;
    if (!ReadInteger(&dict, key, value) || (accept != nullptr && !accept(value))) return false;
    record.*field = value;
    return true;
  }
  void resetIn(R& record) const {
    if (reset) record.*field = *reset;
  }
};
template <class R>
using Int32 = Int32Field<R, Written::kAlways>;
// Left out of the dictionary while it holds kPrinterDefault.
template <class R>
using Int32IfSet = Int32Field<R, Written::kWhenSet>;

// A text left out while empty; read from a string.
template <class R>
struct TextIfAny {
  std::string R::*field;

  bool put(const R& record, platform::PlistDict& dict, const char* key) const {
    PutStringIfAny(dict, key, record.*field);
    return !(record.*field).empty();
  }
  bool take(R& record, const platform::PlistDict& dict, const char* key) const {
    const std::string* text = FindString(&dict, key);
    if (text != nullptr) record.*field = *text;
    return text != nullptr;
  }
};

// A text that may be absent, written when present; read from a string that `accept` allows (any,
// when null). With `reset`, the member is absent before the dictionary is read.
template <class R>
struct OptionalText {
  std::optional<std::string> R::*field;
  bool (*accept)(const std::string&) = nullptr;
  bool reset = false;

  bool put(const R& record, platform::PlistDict& dict, const char* key) const {
    const std::optional<std::string>& text = record.*field;
    if (text) dict.insert_or_assign(key, platform::PlistValue(*text));
    return text.has_value();
  }
  bool take(R& record, const platform::PlistDict& dict, const char* key) const {
    const std::string* text = FindString(&dict, key);
    if (text == nullptr || (accept != nullptr && !accept(*text))) return false;
    record.*field = *text;
    return true;
  }
  void resetIn(R& record) const {
    if (reset) (record.*field).reset();
  }
};

// A flag written only while true; read from a boolean.
template <class R>
struct FlagIfTrue {
  bool R::*field;

  bool put(const R& record, platform::PlistDict& dict, const char* key) const {
    if (record.*field) dict.insert_or_assign(key, platform::PlistValue(true));
    return record.*field;
  }
  bool take(R& record, const platform::PlistDict& dict, const char* key) const {
    const platform::PlistValue* value = platform::PlistDictFind(dict, key);
    const bool* flag = value != nullptr ? value->asBoolean() : nullptr;
    if (flag != nullptr) record.*field = *flag;
    return flag != nullptr;
  }
};

// A dictionary under the key whose rows are members of the same record; read only when the key
// holds a dictionary.
template <class R>
struct Nested {
  Table<R> rows;

  bool put(const R& record, platform::PlistDict& dict, const char* key) const {
    dict.insert_or_assign(key, WriteFields(record, rows));
    return true;
  }
  bool take(R& record, const platform::PlistDict& dict, const char* key) const {
    const platform::PlistValue* value = platform::PlistDictFind(dict, key);
    const platform::PlistDict* inner = value != nullptr ? value->asDictionary() : nullptr;
    ReadFields(record, rows, inner);
    return inner != nullptr;
  }
};

// A value no kind above describes, written and read by the record's own pair of functions.
template <class R>
struct Custom {
  bool (*put)(const R& record, platform::PlistDict& dict, const char* key);
  bool (*take)(R& record, const platform::PlistDict& dict, const char* key);
};

template <class R>
struct Field {
  const char* key;
  std::variant<Int32<R>, Int32IfSet<R>, TextIfAny<R>, OptionalText<R>, FlagIfTrue<R>, Nested<R>, Custom<R>> kind;
  // Written or read only when the earlier row with this key was written or read in the same pass.
  const char* after = nullptr;
  bool (*writeWhen)(const R&) = nullptr;
  // Judged on the record as read so far, so it may look at the rows above it.
  bool (*readWhen)(const R&) = nullptr;
};

namespace detail {

// Whether the row's `after` row, if it names one, was handled earlier in this pass.
template <class R>
bool AfterHolds(Table<R> table, std::size_t row, const std::vector<bool>& handled) {
  if (table[row].after == nullptr) return true;
  for (std::size_t earlier = 0; earlier < row; ++earlier)
    if (std::string_view(table[earlier].key) == table[row].after) return handled[earlier];
  return false;
}

}  // namespace detail

template <class R>
platform::PlistDict WriteFields(const R& record, Table<R> table) {
  platform::PlistDict dict;
  std::vector<bool> written(table.size(), false);
  for (std::size_t row = 0; row < table.size(); ++row) {
    const Field<R>& field = table[row];
    if (!detail::AfterHolds(table, row, written) || (field.writeWhen != nullptr && !field.writeWhen(record))) continue;
    written[row] = std::visit([&](const auto& kind) { return kind.put(record, dict, field.key); }, field.kind);
  }
  return dict;
}

template <class R>
void ReadFields(R& record, Table<R> table, const platform::PlistDict* dict) {
  if (dict == nullptr) return;
  for (const Field<R>& field : table) {
    std::visit(
        [&](const auto& kind) {
          if constexpr (requires { kind.resetIn(record); }) kind.resetIn(record);
        },
        field.kind);
  }
  std::vector<bool> taken(table.size(), false);
  for (std::size_t row = 0; row < table.size(); ++row) {
    const Field<R>& field = table[row];
    if (!detail::AfterHolds(table, row, taken) || (field.readWhen != nullptr && !field.readWhen(record))) continue;
    taken[row] = std::visit([&](const auto& kind) { return kind.take(record, *dict, field.key); }, field.kind);
  }
}

}  // namespace ticket_fields
