#include "platform/ticket/ticket.h"

namespace platform {

Ticket::Ticket(const Ticket& other) : items_(other.items_) {
  for (const auto& [name, sub] : other.subTickets_) subTickets_.emplace(name, std::make_unique<Ticket>(*sub));
}

Ticket& Ticket::operator=(const Ticket& other) {
  if (this != &other) *this = Ticket(other);
  return *this;
}

void Ticket::set(std::string_view key, PlistValue value, std::string_view client) {
  auto it = items_.find(key);
  if (it == items_.end()) {
    items_.emplace(std::string(key), Item{std::move(value), std::string(client)});
  } else {
    it->second = Item{std::move(value), std::string(client)};
  }
}

const PlistValue* Ticket::get(std::string_view key) const {
  auto it = items_.find(key);
  return it == items_.end() ? nullptr : &it->second.value;
}

const std::string* Ticket::clientOf(std::string_view key) const {
  auto it = items_.find(key);
  return it == items_.end() ? nullptr : &it->second.client;
}

bool Ticket::remove(std::string_view key) {
  auto it = items_.find(key);
  if (it == items_.end()) return false;
  items_.erase(it);
  return true;
}

std::optional<std::int64_t> Ticket::getInteger(std::string_view key) const {
  const PlistValue* v = get(key);
  if (v == nullptr) return std::nullopt;
  if (const auto* i = v->asInteger()) return *i;
  return std::nullopt;
}

const std::string* Ticket::getString(std::string_view key) const {
  const PlistValue* v = get(key);
  return v ? v->asString() : nullptr;
}

std::optional<bool> Ticket::getBoolean(std::string_view key) const {
  const PlistValue* v = get(key);
  if (v == nullptr) return std::nullopt;
  if (const auto* b = v->asBoolean()) return *b;
  return std::nullopt;
}

const PlistDict* Ticket::getDictionary(std::string_view key) const {
  const PlistValue* v = get(key);
  return v ? v->asDictionary() : nullptr;
}

const PlistArray* Ticket::getArray(std::string_view key) const {
  const PlistValue* v = get(key);
  return v ? v->asArray() : nullptr;
}

Ticket* Ticket::subTicket(std::string_view name) {
  auto it = subTickets_.find(name);
  return it == subTickets_.end() ? nullptr : it->second.get();
}

const Ticket* Ticket::subTicket(std::string_view name) const {
  auto it = subTickets_.find(name);
  return it == subTickets_.end() ? nullptr : it->second.get();
}

Ticket& Ticket::ensureSubTicket(std::string_view name) {
  auto it = subTickets_.find(name);
  if (it == subTickets_.end()) it = subTickets_.emplace(std::string(name), std::make_unique<Ticket>()).first;
  return *it->second;
}

PlistDict& Ticket::ppdDict() {
  auto it = items_.find(kPMPPDDictKey);
  if (it == items_.end() || it->second.value.asDictionary() == nullptr) {
    set(kPMPPDDictKey, PlistDict{}, kPrintSystemClient);
    it = items_.find(kPMPPDDictKey);
  }
  return *it->second.value.asDictionary();
}

PlistValue Ticket::toPlist() const {
  PlistDict values;
  PlistDict clients;
  for (const auto& [key, item] : items_) {
    values.emplace(key, item.value);
    clients.emplace(key, item.client);
  }
  PlistDict subs;
  for (const auto& [name, sub] : subTickets_) subs.emplace(name, sub->toPlist());
  PlistDict out;
  out.emplace("Items", std::move(values));
  out.emplace("Clients", std::move(clients));
  if (!subs.empty()) out.emplace("SubTickets", std::move(subs));
  return out;
}

Result<Ticket> Ticket::fromPlist(const PlistValue& plist) {
  const PlistDict* dict = plist.asDictionary();
  if (dict == nullptr) return Result<Ticket>::fail("a ticket must be a dictionary");
  Ticket ticket;
  const PlistValue* items = PlistDictFind(*dict, "Items");
  const PlistDict* itemDict = items ? items->asDictionary() : nullptr;
  if (items != nullptr && itemDict == nullptr) return Result<Ticket>::fail("ticket \"Items\" must be a dictionary");
  const PlistValue* clients = PlistDictFind(*dict, "Clients");
  const PlistDict* clientDict = clients ? clients->asDictionary() : nullptr;
  if (clients != nullptr && clientDict == nullptr) return Result<Ticket>::fail("ticket \"Clients\" must be a dictionary");
  if (itemDict != nullptr) {
    for (const auto& [key, value] : *itemDict) {
      std::string client;
      if (clientDict != nullptr) {
        if (const PlistValue* c = PlistDictFind(*clientDict, key)) {
          if (c->asString() == nullptr) return Result<Ticket>::fail("ticket client of \"" + key + "\" must be a string");
          client = *c->asString();
        }
      }
      ticket.items_.emplace(key, Item{value, std::move(client)});
    }
  }
  if (const PlistValue* subs = PlistDictFind(*dict, "SubTickets")) {
    const PlistDict* subDict = subs->asDictionary();
    if (subDict == nullptr) return Result<Ticket>::fail("ticket \"SubTickets\" must be a dictionary");
    for (const auto& [name, sub] : *subDict) {
      auto parsed = Ticket::fromPlist(sub);
      if (!parsed) return Result<Ticket>::fail("sub-ticket \"" + name + "\": " + parsed.error());
      ticket.subTickets_.emplace(name, std::make_unique<Ticket>(parsed.take()));
    }
  }
  return Result<Ticket>::ok(std::move(ticket));
}

bool operator==(const Ticket& a, const Ticket& b) {
  if (a.items_ != b.items_ || a.subTickets_.size() != b.subTickets_.size()) return false;
  for (const auto& [name, sub] : a.subTickets_) {
    const Ticket* other = b.subTicket(name);
    if (other == nullptr || !(*sub == *other)) return false;
  }
  return true;
}

}  // namespace platform
