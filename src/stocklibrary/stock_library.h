#pragma once
// The printer's stock library, as other subsystems call it: the library file of named papers and
// its order, and the printer's own stock list fetched over IPP (the request, the worker that runs
// it off the dialog's thread, and the report of what came back).
#include "stocklibrary/printer_address.h"
#include "stocklibrary/printer_stock_library.h"
#include "stocklibrary/printer_stock_report.h"
#include "stocklibrary/printer_stock_request.h"
#include "stocklibrary/printer_stock_status.h"
#include "stocklibrary/stock_in_use.h"
#include "stocklibrary/stock_library_list.h"
#include "stocklibrary/stock_library_order.h"
