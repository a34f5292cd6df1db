#pragma once
// The CUPS backend "korvo": cupsd runs it for each job of a Korvo queue (device URI
// korvo://HOST[:PORT]/PATH). It reads the job's attributes back from the scheduler, adds the
// IPP attributes the job's printer-description options mean (a typed attribute wins), sends the
// document streamed to the printer over IPP with the same "-supported" check, time-outs and
// messages as `korvo-pde print`, and then the job's ticket in its own document format where the
// printer lists it. It speaks to cupsd as backends do: "ERROR:", "WARNING:", "INFO:" and
// "STATE:" lines on stderr and the exit codes of <cups/backend.h>; a printer that cannot be
// reached makes the job retry later, never vanish.
#include <cstdio>

// The line `lpinfo -v` lists for the backend, printed when it runs without arguments.
inline constexpr const char* kKorvoDiscoveryLine = "network korvo \"Unknown\" \"Korvo production printer (IPP)\"\n";

// Runs the backend on argv (job-id user title copies options [file]) and the environment cupsd
// gives (DEVICE_URI, CONTENT_TYPE, CUPS_SERVER): its exit code.
int RunKorvoBackend(int argc, const char* const argv[], std::FILE* out, std::FILE* err);
