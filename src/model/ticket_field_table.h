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
#include <type_traits>
#include <variant>
#include <vector>

#include "model/ticket_fields.h"
#include "platform/plist/plist_value.h"
#include "vocabulary/printer_default.h"

namespace ticket_fields {

enum class Written { kAlways, kWhenSet };

// A 32-bit integer member. Read only from an exact 32-bit integer that `accept` allows (any, when
// null). With `reset`, the member takes that value before the dictionary is read, so a dictionary
// without a usable value leaves the default rather than the old value.
template <class R, Written W>
struct Int32Field {
  std::int32_t R::*field;
  bool (*accept)(std::int32_t) = nullptr;
  std::optional<std::int32_t> reset = std::nullopt;
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
};

// A text that may be absent, written when present; read from a string that `accept` allows. With
// `reset`, the member is absent before the dictionary is read.
template <class R>
struct OptionalText {
  std::optional<std::string> R::*field;
  bool (*accept)(const std::string&) = nullptr;
  bool reset = false;
};

// A flag written only while true; read from a boolean.
template <class R>
struct FlagIfTrue {
  bool R::*field;
};

template <class R>
struct Field;

// A dictionary under the key whose rows are members of the same record; read only when the key
// holds a dictionary.
template <class R>
struct Nested {
  std::span<const Field<R>> rows;
};

// A value no kind above describes, written and read by the record's own pair of functions; each
// returns whether it wrote or took the key.
template <class R>
struct Custom {
  bool (*put)(const R&, platform::PlistDict&, const char* key);
  bool (*take)(R&, const platform::PlistDict&, const char* key);
};

template <class R>
using Kind = std::variant<Int32<R>, Int32IfSet<R>, TextIfAny<R>, OptionalText<R>, FlagIfTrue<R>, Nested<R>, Custom<R>>;

template <class R>
struct Field {
  const char* key;
  Kind<R> kind;
  // Written or read only when the earlier row with this key was written or read in the same pass.
  const char* after = nullptr;
  bool (*writeWhen)(const R&) = nullptr;
  // Judged on the record as read so far, so it may look at rows above it.
  bool (*readWhen)(const R&) = nullptr;
};

template <class R>
using Table = std::span<const Field<R>>;

namespace detail {

template <class R, Written W>
bool Put(const R& record, const Int32Field<R, W>& kind, platform::PlistDict& dict, const char* key) {
  const std::int32_t value = record.*kind.field;
  if constexpr (W == Written::kWhenSet) {
    if (value == kPrinterDefault) return false;
  }
  PutInteger(dict, key, value);
  return true;
}

template <class R, Written W>
bool Take(R& record, const Int32Field<R, W>& kind, const platform::PlistDict& dict, const char* key) {
  std::int32_t value = 0;
  if (!ReadInteger(&dict, key, value) || (kind.accept != nullptr && !kind.accept(value))) return false;
  record.*kind.field = value;
  return true;
}

template <class R>
bool Put(const R& record, const TextIfAny<R>& kind, platform::PlistDict& dict, const char* key) {
  const std::string& text = record.*kind.field;
  PutStringIfAny(dict, key, text);
  return !text.empty();
}

template <class R>
bool Take(R& record, const TextIfAny<R>& kind, const platform::PlistDict& dict, const char* key) {
  const std::string* text = FindString(&dict, key);
  if (text != nullptr) record.*kind.field = *text;
  return text != nullptr;
}

template <class R>
bool Put(const R& record, const OptionalText<R>& kind, platform::PlistDict& dict, const char* key) {
  const std::optional<std::string>& text = record.*kind.field;
  if (text) dict.insert_or_assign(key, platform::PlistValue(*text));
  return text.has_value();
}

template <class R>
bool Take(R& record, const OptionalText<R>& kind, const platform::PlistDict& dict, const char* key) {
  const std::string* text = FindString(&dict, key);
  if (text == nullptr || (kind.accept != nullptr && !kind.accept(*text))) return false;
  record.*kind.field = *text;
  return true;
}

template <class R>
bool Put(const R& record, const FlagIfTrue<R>& kind, platform::PlistDict& dict, const char* key) {
  if (record.*kind.field) dict.insert_or_assign(key, platform::PlistValue(true));
  return record.*kind.field;
}

template <class R>
bool Take(R& record, const FlagIfTrue<R>& kind, const platform::PlistDict& dict, const char* key) {
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  const bool* flag = value != nullptr ? value->asBoolean() : nullptr;
  if (flag != nullptr) record.*kind.field = *flag;
  return flag != nullptr;
}

template <class R>
bool Put(const R& record, const Custom<R>& kind, platform::PlistDict& dict, const char* key) {
  return kind.put(record, dict, key);
}

template <class R>
bool Take(R& record, const Custom<R>& kind, const platform::PlistDict& dict, const char* key) {
  return kind.take(record, dict, key);
}

// Whether the row's `after` row, if it names one, was handled earlier in this pass.
template <class R>
bool AfterHolds(Table<R> table, std::size_t row, const std::vector<bool>& handled) {
  if (table[row].after == nullptr) return true;
  for (std::size_t earlier = 0; earlier < row; ++earlier)
    if (std::string_view(table[earlier].key) == table[row].after) return handled[earlier];
  return false;
}

template <class R>
void Reset(R& record, Table<R> table);

}  // namespace detail

// The dictionary of every row whose conditions hold, in table order.
template <class R>
platform::PlistDict WriteFields(const R& record, Table<R> table) {
  platform::PlistDict dict;
  std::vector<bool> written(table.size(), false);
  for (std::size_t row = 0; row < table.size(); ++row) {
    const Field<R>& field = table[row];
    if (!detail::AfterHolds(table, row, written) || (field.writeWhen != nullptr && !field.writeWhen(record))) continue;
    written[row] = std::visit(
        [&](const auto& kind) {
          if constexpr (std::is_same_v<std::decay_t<decltype(kind)>, Nested<R>>) {
            dict.insert_or_assign(field.key, WriteFields(record, kind.rows));
            return true;
          } else {
            return detail::Put(record, kind, dict, field.key);
          }
        },
        field.kind);
  }
  return dict;
}

// Resets the rows that say so, then reads the rows in table order, each only when its conditions
// hold; a key that is absent or holds a value its kind cannot take leaves its member alone. Null
// does nothing.
template <class R>
void ReadFields(R& record, Table<R> table, const platform::PlistDict* dict) {
  if (dict == nullptr) return;
  detail::Reset(record, table);
  std::vector<bool> taken(table.size(), false);
  for (std::size_t row = 0; row < table.size(); ++row) {
    const Field<R>& field = table[row];
    if (!detail::AfterHolds(table, row, taken) || (field.readWhen != nullptr && !field.readWhen(record))) continue;
    taken[row] = std::visit(
        [&](const auto& kind) {
          if constexpr (std::is_same_v<std::decay_t<decltype(kind)>, Nested<R>>) {
            const platform::PlistValue* value = platform::PlistDictFind(*dict, field.key);
            const platform::PlistDict* inner = value != nullptr ? value->asDictionary() : nullptr;
            ReadFields(record, kind.rows, inner);
            return inner != nullptr;
          } else {
            return detail::Take(record, kind, *dict, field.key);
          }
        },
        field.kind);
  }
}

template <class R>
void detail::Reset(R& record, Table<R> table) {
  for (const Field<R>& field : table) {
    std::visit(
        [&](const auto& kind) {
          using K = std::decay_t<decltype(kind)>;
          if constexpr (std::is_same_v<K, Int32<R>> || std::is_same_v<K, Int32IfSet<R>>) {
            if (kind.reset) record.*kind.field = *kind.reset;
          } else if constexpr (std::is_same_v<K, OptionalText<R>>) {
            if (kind.reset) (record.*kind.field).reset();
          }
        },
        field.kind);
  }
}

}  // namespace ticket_fields
