#pragma once
// The entries the shell adds to the print-settings ticket each time the dialog collects the
// settings: who prints from where, and which controller the job ticket is meant for.
#include <optional>
#include <string>
#include <string_view>

#include "platform/ticket/ticket.h"

inline constexpr const char* kJTKTOptionsKey = "com.korvo.print.JTKTOptions";
inline constexpr const char* kJTKTOptionAllKey = "JTKTOptionAll";
inline constexpr const char* kRotateBooklet180DegreesKey = "com.korvo.print.RotateBooklet180Degrees";
inline constexpr const char* kControllerFamilyKey = "com.korvo.print.ControllerInformation.ControllerFamily";
inline constexpr const char* kControllerVersionKey = "com.korvo.print.ControllerInformation.ControllerVersion";
inline constexpr const char* kClientUserNameKey = "com.korvo.print.ClientInformation.UserName";
inline constexpr const char* kClientComputerNameKey = "com.korvo.print.ClientInformation.ComputerName";
inline constexpr const char* kClientIPAddressKey = "com.korvo.print.ClientInformation.IPAddress";
inline constexpr const char* kControllerFamily = "Prexan";
inline constexpr const char* kControllerVersion = "6.0";
inline constexpr const char* kShellClientID = "K";

// What the system tells about the client; none where it tells nothing.
struct ClientFacts {
  std::optional<std::string> userName;
  std::optional<std::string> computerName;
  std::optional<std::string> ipAddress;
};

ClientFacts CurrentClientFacts();

// True when every character of the UTF-8 text lies in U+0020..U+00FE (and the text is valid
// UTF-8): the controller shows the computer name in a Latin-1 field.
bool IsWritableComputerName(std::string_view name);

// Writes the JTKT options, controller and client entries; removes a client entry whose fact is
// missing rather than leaving a stale one.
void WriteClientInformation(platform::Ticket& printSettings, const ClientFacts& facts);
