#pragma once
// Where the reader's "ERROR:" lines go: standard error, unless a program that reads untrusted
// bytes in bulk (a fuzzer, a benchmark) sends them elsewhere.
#include <cstdio>

// Null drops the lines.
void JTKTSetImportErrorStream(std::FILE* stream);

// Writes one line: "ERROR: " and the formatted text. The format is always a literal of the
// reader; text from a file is only ever an argument.
void JTKTImportError(const char* format, ...) __attribute__((format(printf, 1, 2)));
