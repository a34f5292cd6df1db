#pragma once
// Status codes of the platform and of the plug-in's entry points. Failures cross every
// boundary as one of these integers, never as an exception.
#include <cstdint>

namespace platform {

using OSStatus = std::int32_t;

inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus paramErr = -50;              // a required argument is missing
inline constexpr OSStatus fnfErr = -43;                // file not found
inline constexpr OSStatus ioErr = -36;                 // read or write failed
inline constexpr OSStatus kPMInvalidPDEContext = -9530; // no panel context, or initialisation failed
inline constexpr OSStatus eventNotHandledErr = -9874;  // an event handler passes the event on
inline constexpr OSStatus kPMInvalidTicket = -30891;   // a ticket that cannot be had
inline constexpr OSStatus kPMInvalidPrintSession = -30879; // no context or session in Sync
inline constexpr OSStatus kPMKeyNotFound = -30895;     // a ticket read of an absent key

}  // namespace platform
