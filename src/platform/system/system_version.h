#pragma once
// The version of the operating system, in the numbering of the system the print dialog was
// written for (major, minor, bug fix: 10.4.11).
namespace platform {

struct SystemVersionNumbers {
  int major = 0;
  int minor = 0;
  int bugFix = 0;
};

// Always 10.15.0. The only questions ever asked of the version are whether the host is at least
// 10.4 or 10.5, and the answers switch on features that older hosts lacked. Every service this
// platform offers is the modern one, so it reports a version past all of those gates rather than
// a Linux kernel number that would mean nothing to them.
SystemVersionNumbers SystemVersion();

}  // namespace platform
