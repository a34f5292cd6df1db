#pragma once
// The print session that the print dialog hands to its extensions: named tickets and the
// printer the job goes to. Saved and loaded as one XML property list, the session file:
// {"PMPrintSettingsTicket": ticket, "PMPageFormatTicket": ticket, "PMPrinterInfoTicket": ticket,
//  "Printer": {"Name": ..., "DeviceURI": ..., "PPD": ...}}.
#include <map>
#include <string>
#include <string_view>

#include "platform/plist/plist_value.h"
#include "platform/result.h"
#include "platform/ticket/ticket.h"

namespace platform {

inline constexpr const char* kPDE_PMPrintSettingsRef = "PMPrintSettingsTicket";
inline constexpr const char* kPDE_PMPageFormatRef = "PMPageFormatTicket";
inline constexpr const char* kPDE_PMPrinterInfoRef = "PMPrinterInfoTicket";
inline constexpr const char* kPMPaperInfoTicket = "com.apple.print.PaperInfoTicket";

struct PrinterInfo {
  std::string name;
  std::string deviceURI;
  std::string ppdPath;
  friend bool operator==(const PrinterInfo&, const PrinterInfo&) = default;
};

class PrintSession {
 public:
  // A session with the three standard tickets (the page-format ticket with its paper sub-ticket).
  PrintSession();

  // The ticket of that name, or null (PMSessionGetDataFromSession).
  Ticket* ticket(std::string_view name);
  const Ticket* ticket(std::string_view name) const;
  Ticket& ensureTicket(std::string_view name);
  const std::map<std::string, Ticket, std::less<>>& tickets() const { return tickets_; }

  PrinterInfo& printer() { return printer_; }
  const PrinterInfo& printer() const { return printer_; }

  PlistValue toPlist() const;
  static Result<PrintSession> fromPlist(const PlistValue& plist);

  // The session file. load: the file's session, or a message naming the file.
  static Result<PrintSession> load(const std::string& path);
  bool save(const std::string& path, std::string* error = nullptr) const;

  friend bool operator==(const PrintSession&, const PrintSession&) = default;

 private:
  std::map<std::string, Ticket, std::less<>> tickets_;
  PrinterInfo printer_;
};

}  // namespace platform
