#pragma once
// The printer's own stock library, fetched over IPP by a worker task while the dialog stays
// responsive. Everything here belongs to the main thread: the worker shares nothing with it but
// messages (its request, and its result handed over in the message that announces it).
//
// The main thread's side: start the worker (MySpawnThread), talk to it (SendMessageToThread),
// ask it to end (MyRemoveThread) and, when the dialog goes away, wait for it (EndPrinterStockWorker),
// each on the dialog's PrinterStockLibrary.
// Results arrive on the main run loop (platform/tasks/run_loop.h), which the host pumps; each
// one updates the status word and sends the window the stock-library status event.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/stock.h"
#include "platform/four_char_code.h"
#include "platform/status.h"
#include "platform/tasks/message_port.h"
#include "platform/ui/window.h"
#include "stocklibrary/printer_stock_status.h"
#include "stocklibrary/stock_library_list.h"

// The messages between the main thread and the worker.
enum PrinterStockMessage : std::int32_t {
  kWorkerReadyMessage = 100,          // worker -> main: its port name
  kRetrieveMessage = 200,             // main -> worker: fetch the stocks
  kEndWorkerMessage = 201,            // main -> worker: end the task
  kAddressRequestMessage = 202,       // worker -> main, replied: the printer URI
  kRetrievalFailedMessage = 203,      // worker -> main: the triggering data; the reason attached
  kRetrievalFinishedMessage = 204,    // worker -> main: the triggering data; the stocks attached
  kDelayedFinishedMessage = 205,      // main -> worker: answer 204 after 2 seconds
  kReportStatusMessage = 206,         // main -> worker: ask 207, answer 203 or 204
  kStatusRequestMessage = 207,        // worker -> main, replied: the status word
  kDelayedWakeMessage = 208,          // main -> worker: answer 209 after 1 second
  kWakeMessage = 209,                 // worker -> main: the data of 208
};

// The events sent to the window: results available (after 203, 204), and a wake-up (207, 209).
inline constexpr platform::OSType kEventPrinterStockResults = platform::FourCharCode("KbdC");
inline constexpr platform::OSType kEventPrinterStockWake = platform::FourCharCode("KBpC");

// One dialog's printer stock library: the retrieval's status word and results, and the
// connection to its worker. The dialog owns it (the shell context holds it from Prologue to
// Terminate); everything here belongs to the main thread. Ending it ends its worker.
class PrinterStockLibrary {
 public:
  PrinterStockLibrary();
  ~PrinterStockLibrary();
  PrinterStockLibrary(const PrinterStockLibrary&) = delete;
  PrinterStockLibrary& operator=(const PrinterStockLibrary&) = delete;

  // Where the retrieval stands (printer_stock_status.h).
  std::int32_t biDiStatus = kPrinterStockNoWorker;
  // The stocks of the last successful retrieval, in answer order; none before the first.
  std::optional<std::vector<Stock>> listParams;
  // Why the last retrieval failed (naming the printer); empty after a success.
  std::string lastError;
  // The printer's library: a memory-only list rebuilt from the retrieved stocks.
  std::unique_ptr<StockLibraryList> libraryList;

  struct Connection;  // the port the worker answers to, the worker and the windows it tells
  std::unique_ptr<Connection> connection;
};

// Starts the worker for the printer at printerURI (PrinterURIForAddress), whose events go to
// window. A worker the library still has is ended first. noErr, or the failure to create the
// main thread's port.
platform::OSStatus MySpawnThread(PrinterStockLibrary& library, std::string_view bundleIdentifier,
                                 const std::string& printerURI, platform::ui::Window* window);

// Asks the worker to end (201), when there is one.
void MyRemoveThread(PrinterStockLibrary& library);

// Sends a message to the worker, when there is one. The data may carry a window token
// (RegisterPrinterStockWindow) to which the answer's event goes instead of the spawn window.
platform::OSStatus SendMessageToThread(PrinterStockLibrary& library, std::int32_t id, platform::MessageData data = {});

// What a window showing the printer's papers asks the worker for, by the status word: nothing
// without a worker, a new retrieval after a failed one (the status is then a retrieval under
// way), the outcome of the retrieval under way, or the finished result again. The answer's event
// goes to the window of token.
void AskForPrinterStocks(PrinterStockLibrary& library, const platform::MessageData& token);

// Ends the worker and waits for it, drops whatever it still had to say, and forgets the printer's
// library: nothing of one dialog's printer reaches the next dialog. For the shell's Terminate.
void EndPrinterStockWorker(PrinterStockLibrary& library);

// A 4-byte token for a window that wants the answers to its own messages (and its removal). A
// registered window also hears the results no token asked for, such as the first retrieval's.
platform::MessageData RegisterPrinterStockWindow(PrinterStockLibrary& library, platform::ui::Window* window);
void UnregisterPrinterStockWindow(PrinterStockLibrary& library, platform::ui::Window* window);

// Rebuilds the library list from the retrieved stocks when the last retrieval finished: one
// entry per stock, in answer order, named by its custom name.
void RebuildPrinterStockLibrary(PrinterStockLibrary& library);

// Starts the worker for the session's device URI when it names a printer address: the shell's
// first Open. False (and no worker) for a URI without one.
bool StartPrinterStockWorker(PrinterStockLibrary& library, std::string_view bundleIdentifier,
                             std::string_view deviceURI, platform::ui::Window* window);
