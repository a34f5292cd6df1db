#include "platform/ticket/print_session.h"

#include "platform/files/file_io.h"
#include "platform/plist/xml_plist.h"

namespace platform {

namespace {

constexpr const char* kPrinterKey = "Printer";

Result<std::string> OptionalString(const PlistDict& dict, const char* key) {
  const PlistValue* v = PlistDictFind(dict, key);
  if (v == nullptr) return Result<std::string>::ok({});
  if (v->asString() == nullptr) return Result<std::string>::fail(std::string("\"Printer\" \"") + key + "\" must be a string");
  return Result<std::string>::ok(*v->asString());
}

}  // namespace

PrintSession::PrintSession() {
  ensureTicket(kPDE_PMPrintSettingsRef);
  ensureTicket(kPDE_PMPageFormatRef).ensureSubTicket(kPMPaperInfoTicket);
  ensureTicket(kPDE_PMPrinterInfoRef);
}

Ticket* PrintSession::ticket(std::string_view name) {
  auto it = tickets_.find(name);
  return it == tickets_.end() ? nullptr : &it->second;
}

const Ticket* PrintSession::ticket(std::string_view name) const {
  auto it = tickets_.find(name);
  return it == tickets_.end() ? nullptr : &it->second;
}

Ticket& PrintSession::ensureTicket(std::string_view name) {
  auto it = tickets_.find(name);
  if (it == tickets_.end()) it = tickets_.emplace(std::string(name), Ticket{}).first;
  return it->second;
}

PlistValue PrintSession::toPlist() const {
  PlistDict out;
  for (const auto& [name, t] : tickets_) out.emplace(name, t.toPlist());
  PlistDict printer;
  printer.emplace("Name", printer_.name);
  printer.emplace("DeviceURI", printer_.deviceURI);
  printer.emplace("PPD", printer_.ppdPath);
  out.emplace(kPrinterKey, std::move(printer));
  return out;
}

Result<PrintSession> PrintSession::fromPlist(const PlistValue& plist) {
  using R = Result<PrintSession>;
  const PlistDict* dict = plist.asDictionary();
  if (dict == nullptr) return R::fail("a session must be a dictionary");
  PrintSession session;
  session.tickets_.clear();
  for (const auto& [name, value] : *dict) {
    if (name == kPrinterKey) {
      const PlistDict* p = value.asDictionary();
      if (p == nullptr) return R::fail("\"Printer\" must be a dictionary");
      auto nameText = OptionalString(*p, "Name");
      auto uri = OptionalString(*p, "DeviceURI");
      auto ppd = OptionalString(*p, "PPD");
      for (auto* r : {&nameText, &uri, &ppd})
        if (!*r) return R::fail(r->error());
      session.printer_ = PrinterInfo{nameText.take(), uri.take(), ppd.take()};
      continue;
    }
    auto t = Ticket::fromPlist(value);
    if (!t) return R::fail("ticket \"" + name + "\": " + t.error());
    session.tickets_.emplace(name, t.take());
  }
  // A file written by hand may leave tickets out; the dialog always has the three.
  session.ensureTicket(kPDE_PMPrintSettingsRef);
  session.ensureTicket(kPDE_PMPageFormatRef).ensureSubTicket(kPMPaperInfoTicket);
  session.ensureTicket(kPDE_PMPrinterInfoRef);
  return R::ok(std::move(session));
}

Result<PrintSession> PrintSession::load(const std::string& path) {
  auto plist = ReadXMLPlistFile(path);
  if (!plist) return Result<PrintSession>::fail(plist.error());
  auto session = fromPlist(*plist);
  if (!session) return Result<PrintSession>::fail(path + ": " + session.error());
  return session;
}

bool PrintSession::save(const std::string& path, std::string* error) const {
  auto bytes = WriteXMLPlist(toPlist());
  if (!bytes) {
    if (error) *error = path + ": " + bytes.error();
    return false;
  }
  if (auto tooLarge = CheckDocumentSize(bytes->size())) {
    if (error) *error = path + ": the session " + *tooLarge + "; the file is left as it was";
    return false;
  }
  // A session that comes back as it was is not written again: the file already holds these
  // bytes, and a script that shows or sets the same session for every job need not replace it.
  if (path != "-") {
    const Result<std::string> current = ReadFileBytes(path, bytes->size());
    if (current && *current == *bytes) return true;
  }
  return WriteFileAtomically(path, *bytes, error);
}

}  // namespace platform
