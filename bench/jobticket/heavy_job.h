#pragma once
// The heavy job of the job-ticket benchmarks and what both sides of their ratios share.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ticket/ticket.h"

inline constexpr int kInserts = 200;
inline constexpr int kExceptionPages = 2000;
// The largest job a print room sends us: 10,000 ranges, about 13 MB written.
inline constexpr int kLargeJobExceptionPages = 10000;

// The ticket: 200 inserts and 2,000 exception pages, each with its own stock.
const platform::Ticket& HeavyJob();
// Its export document.
const std::string& ExportedDocument();
// The export document of the same job with kLargeJobExceptionPages ranges.
const std::string& LargeExportedDocument();
// A bare libxml2 parse of bytes into a tree, the floor that writing and reading stand on.
void BareParse(benchmark::State& state, const std::string& bytes);
// Loads the shipped device profile, which the import needs; false when it cannot be read.
bool LoadDeviceProfileForImport();
