#pragma once
// A print ticket: keyed property-list values, each remembering the client that wrote it, plus
// named sub-tickets. Reading ignores the client; a write replaces the value whoever wrote it.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/plist/plist_value.h"
#include "platform/result.h"

namespace platform {

// Key under which a ticket keeps its printer-description dictionary (main keyword to choice).
inline constexpr const char* kPMPPDDictKey = "com.apple.print.ticket.PPDDict";
// The client name of what the print system itself writes into tickets.
inline constexpr const char* kPrintSystemClient = "com.apple.print";

class Ticket {
 public:
  struct Item {
    PlistValue value;
    std::string client;
    friend bool operator==(const Item&, const Item&) = default;
  };

  Ticket() = default;
  Ticket(const Ticket& other);
  Ticket& operator=(const Ticket& other);
  Ticket(Ticket&&) noexcept = default;
  Ticket& operator=(Ticket&&) noexcept = default;

  void set(std::string_view key, PlistValue value, std::string_view client);
  // The value under key whoever wrote it, or null.
  const PlistValue* get(std::string_view key) const;
  const std::string* clientOf(std::string_view key) const;
  bool contains(std::string_view key) const { return get(key) != nullptr; }
  // Removes the key; false when it was absent.
  bool remove(std::string_view key);

  // Typed reads: the value when present and of that kind.
  std::optional<std::int64_t> getInteger(std::string_view key) const;
  const std::string* getString(std::string_view key) const;
  std::optional<bool> getBoolean(std::string_view key) const;
  const PlistDict* getDictionary(std::string_view key) const;
  const PlistArray* getArray(std::string_view key) const;

  const std::map<std::string, Item, std::less<>>& items() const { return items_; }

  Ticket* subTicket(std::string_view name);
  const Ticket* subTicket(std::string_view name) const;
  Ticket& ensureSubTicket(std::string_view name);
  const std::map<std::string, std::unique_ptr<Ticket>, std::less<>>& subTickets() const { return subTickets_; }

  // The printer-description dictionary, created empty (client kPrintSystemClient) when absent.
  PlistDict& ppdDict();
  const PlistDict* ppdDict() const { return getDictionary(kPMPPDDictKey); }

  // Lossless property-list form: {"Items": {...}, "Clients": {...}, "SubTickets": {...}}.
  PlistValue toPlist() const;
  static Result<Ticket> fromPlist(const PlistValue& plist);

  friend bool operator==(const Ticket& a, const Ticket& b);

 private:
  std::map<std::string, Item, std::less<>> items_;
  std::map<std::string, std::unique_ptr<Ticket>, std::less<>> subTickets_;
};

}  // namespace platform
