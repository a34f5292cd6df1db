#pragma once
// The job's paper in the print-settings ticket: one stock dictionary under one key. Everything
// that reads or writes the job's stock goes through these two functions, so the key has one
// home.
#include <string_view>

#include "model/stock.h"
#include "platform/ticket/ticket.h"

inline constexpr const char* kJobLevelStockKey = "com.korvo.print.JobLevelStock";

// The job's stock: the defaults with the ticket's stock dictionary laid over them; the defaults
// alone when the key is absent or holds anything but a dictionary.
Stock ReadJobLevelStock(const platform::Ticket& ticket);

// Stores the stock's dictionary under the key, in the name of client.
void WriteJobLevelStock(platform::Ticket& ticket, const Stock& stock, std::string_view client);
