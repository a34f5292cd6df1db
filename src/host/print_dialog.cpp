#include "host/print_dialog.h"

#include "platform/ui/standard_commands.h"
#include "shell/ipp_entry_points.h"
#include "stocklibrary/stock_library.h"

namespace korvo_host {

namespace {

// The entry points the module makes visible by these names; each takes a file path.
constexpr const char* kExportSymbol = "JTKTExportToFileAtPath";
constexpr const char* kWatermarkSymbol = "KorvoWatermarkToFileAtPath";
using PathProc = platform::OSStatus (*)(const char* path);
constexpr const char* kImportSymbol = "JTKTImportFilesAtPaths";
using SummaryProc = void (*)(void* refCon, const char* text);
using ImportProc = platform::OSStatus (*)(const char* const* paths, int count, SummaryProc summary, void* refCon);
constexpr const char* kSummarySymbol = "DisplayJTKTImportExportSummary";
using SummaryWindowProc = platform::OSStatus (*)(const platform::PlistDict* settings, std::int32_t mode, const char* name);


}  // namespace

platform::Result<std::unique_ptr<PrintDialog>> PrintDialog::load(const std::string& bundlePath) {
  using R = platform::Result<std::unique_ptr<PrintDialog>>;
  auto module = platform::PluginModule::load(bundlePath);
  if (!module) return R::fail(module.error());
  auto instance = (*module)->createInstance(*platform::PluginUUID::parse(platform::kPDEPlugInTypeUUID));
  if (!instance) return R::fail(instance.error());
  auto pde = instance->queryPDEInterface();
  if (!pde) return R::fail(bundlePath + ": " + pde.error());
  return R::ok(std::unique_ptr<PrintDialog>(new PrintDialog(module.take(), instance.take(), pde.take())));
}

namespace {
constexpr platform::OSType kDialogSignature = platform::FourCharCode("PDlg");
}  // namespace

// The print dialog's own window: the extension's pane above the OK and Cancel buttons.
PrintDialog::PrintDialog(std::unique_ptr<platform::PluginModule> module, platform::PluginInstance instance,
                         platform::PDEInterfaceHandle pde)
    : module_(std::move(module)),
      instance_(std::move(instance)),
      pde_(std::move(pde)),
      window_(std::make_unique<platform::ui::Window>("Print", platform::ui::Rect{0, 0, 560, 560})) {
  using platform::ui::Control;
  using platform::ui::ControlKind;
  window_->setTitle("Print");
  Control& content = window_->content();
  pane_ = content.embed(std::make_unique<Control>(ControlKind::UserPane, platform::ui::ControlID{kDialogSignature, 1},
                                                  platform::ui::Rect{10, 10, 540, 491}));
  Control* ok = content.embed(std::make_unique<Control>(ControlKind::PushButton, platform::ui::ControlID{kDialogSignature, 2},
                                                        platform::ui::Rect{460, 520, 90, 24}));
  ok->setTitle("Print");
  ok->setCommand(platform::ui::kOKCommand);
  Control* cancel = content.embed(std::make_unique<Control>(
      ControlKind::PushButton, platform::ui::ControlID{kDialogSignature, 3}, platform::ui::Rect{360, 520, 90, 24}));
  cancel->setTitle("Cancel");
  cancel->setCommand(platform::ui::kCancelCommand);
  window_->setDefaultButton(ok);
  window_->setCancelButton(cancel);
}

PrintDialog::~PrintDialog() {
  if (live_) terminate();
}

platform::OSStatus PrintDialog::prologue() {
  platform::OSType creator = 0;
  std::uint32_t maxH = 0, maxV = 0;
  platform::OSStatus status = pde_.table().Prologue(&context_, &creator, &kind_, &title_, &maxH, &maxV);
  live_ = context_ != nullptr;
  return status;
}

platform::OSStatus PrintDialog::initialize(platform::PrintSession& session) {
  session_ = &session;
  platform::PMPDEFlags flags = 0;
  return pde_.table().Initialize(context_, &flags, nullptr, pane_, session_);
}

platform::OSStatus PrintDialog::open() { return pde_.table().Open(context_); }

platform::OSStatus PrintDialog::sync(bool reinitialize) { return pde_.table().Sync(context_, session_, reinitialize); }

platform::OSStatus PrintDialog::close() { return pde_.table().Close(context_); }

platform::OSStatus PrintDialog::terminate(platform::OSStatus status) {
  if (!live_) return platform::noErr;
  live_ = false;
  platform::OSStatus result = pde_.table().Terminate(context_, status);
  context_ = nullptr;
  return result;
}

platform::Result<platform::OSStatus> PrintDialog::callPathEntry(const char* symbol, const char* what,
                                                              const std::string& path) const {
  using R = platform::Result<platform::OSStatus>;
  void* address = module_->symbol(symbol);
  if (address == nullptr) return R::fail(bundle().path() + ": the plug-in has no " + what);
  return R::ok(reinterpret_cast<PathProc>(address)(path.c_str()));
}

platform::Result<platform::OSStatus> PrintDialog::exportJobTicket(const std::string& path) const {
  return callPathEntry(kExportSymbol, "job-ticket export", path);
}

platform::Result<platform::OSStatus> PrintDialog::drawWatermark(const std::string& path) const {
  return callPathEntry(kWatermarkSymbol, "watermark drawing", path);
}

platform::Result<platform::OSStatus> PrintDialog::showJobTicketSummary(const platform::PlistDict& settings, int mode,
                                                                     const std::string& name) const {
  using R = platform::Result<platform::OSStatus>;
  void* address = module_->symbol(kSummarySymbol);
  if (address == nullptr) return R::fail(bundle().path() + ": the plug-in has no job-ticket summary");
  return R::ok(reinterpret_cast<SummaryWindowProc>(address)(&settings, mode, name.c_str()));
}

platform::Result<platform::OSStatus> PrintDialog::writeIppTestFile(const std::string& path) const {
  return callPathEntry(kIppTestFileSymbol, "IPP test file", path);
}

platform::Result<platform::OSStatus> PrintDialog::printDocument(const std::string& deviceURI,
                                                               const std::string& documentPath, std::string* jobURI,
                                                               std::string* warnings) const {
  using R = platform::Result<platform::OSStatus>;
  void* address = module_->symbol(kIppPrintJobSymbol);
  if (address == nullptr) return R::fail(bundle().path() + ": the plug-in has no IPP printing");
  return R::ok(reinterpret_cast<IppPrintJobProc>(address)(deviceURI.c_str(), documentPath.c_str(), jobURI, warnings));
}

platform::Result<platform::OSStatus> PrintDialog::printDocumentToQueue(const std::string& queue,
                                                                      const std::string& documentPath,
                                                                      std::string* requestId,
                                                                      std::string* warnings,
                                                                      const PrintDialogChoices* choices) const {
  using R = platform::Result<platform::OSStatus>;
  void* address = module_->symbol(kIppQueueJobSymbol);
  if (address == nullptr) return R::fail(bundle().path() + ": the plug-in has no printing through a queue");
  return R::ok(
      reinterpret_cast<IppQueueJobProc>(address)(queue.c_str(), documentPath.c_str(), choices, requestId, warnings));
}

platform::Result<platform::OSStatus> PrintDialog::importJobTickets(const std::vector<std::string>& paths,
                                                                 std::string* summary) const {
  using R = platform::Result<platform::OSStatus>;
  void* address = module_->symbol(kImportSymbol);
  if (address == nullptr) return R::fail(bundle().path() + ": the plug-in has no job-ticket import");
  std::vector<const char*> files;
  for (const std::string& path : paths) files.push_back(path.c_str());
  const SummaryProc keep = [](void* refCon, const char* text) {
    if (refCon != nullptr && text != nullptr) *static_cast<std::string*>(refCon) = text;
  };
  return R::ok(reinterpret_cast<ImportProc>(address)(files.data(), static_cast<int>(files.size()), keep, summary));
}

platform::Result<PrintDialog::StockReport> PrintDialog::printerStockReport() const {
  using R = platform::Result<StockReport>;
  void* address = module_->symbol(kPrinterStockReportSymbol);
  if (address == nullptr) return R::fail(bundle().path() + ": the plug-in has no printer stock report");
  StockReport report;
  if (reinterpret_cast<PrinterStockReportProc>(address)(&report.status, &report.lines, &report.error) != platform::noErr)
    return R::fail(bundle().path() + ": the printer stock report failed");
  return R::ok(std::move(report));
}

}  // namespace korvo_host
