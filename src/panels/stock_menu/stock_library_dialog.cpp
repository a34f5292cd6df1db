// "Stock Library": the named papers in a list sorted by name or by recent use, with Add...,
// Edit... (the named paper form), Delete (after asking) and Choose; the printer's papers in a
// second list, refilled whenever the printer's stock worker reports.
#include "panels/stock_menu/stock_library_dialog.h"

#include <strings.h>

#include <algorithm>
#include <memory>

#include "kit/control_helpers.h"
#include "model/job_level_stock.h"
#include "model/special_pages_ticket.h"
#include "model/text_compare.h"
#include "panels/stock_menu/advanced_paper_dialog.h"
#include "platform/ui/interaction.h"
#include "stocklibrary/stock_library.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr ui::ControlID kSortID{kSignature, 23001};
constexpr ui::ControlID kPapersID{kSignature, 23002};
constexpr ui::ControlID kPrinterPapersID{kSignature, 23003};
constexpr ui::ControlID kAddID{kSignature, 23010};
constexpr ui::ControlID kEditID{kSignature, 23011};
constexpr ui::ControlID kDeleteID{kSignature, 23012};
constexpr ui::DataBrowserPropertyID kNameColumn = 1, kStatusColumn = 2, kCommentColumn = 3;
constexpr std::int32_t kSortByRecentUse = 2;

bool LessIgnoringCase(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) < 0; }

struct Library {
  const platform::Bundle* bundle;
  JobContext context;
  DialogState* dialog;  // whose printer's papers are shown; null without a shell
  ui::Window& window;
  ui::Control& papers;
  ui::Control& printerPapers;
  ui::Control& sort;
  StockLibraryList list;  // the user's, read from the file
  StockLibraryOrderList order;
  std::vector<std::string> rows;  // row item i + 1 shows the entry rows[i]
};

// The dialog's library, its window signed up for the printer's papers while it lives.
struct OpenLibrary {
  Library library;
  ~OpenLibrary() {
    if (library.dialog) UnregisterPrinterStockWindow(library.dialog->printerStock, &library.window);
  }
};

StockLibrary EntryOf(const Library& l, const std::string& uuid) {
  const platform::PlistValue* value = platform::PlistDictFind(l.list.stockList(), uuid);
  const platform::PlistDict* dict = value ? value->asDictionary() : nullptr;
  return dict ? StockLibrary(*dict) : StockLibrary();
}

std::string NameOf(const StockLibrary& entry) {
  return entry.stock().customName().empty() ? entry.name() : entry.stock().customName();
}

std::string StatusText(const platform::Bundle* bundle, std::int32_t status) {
  switch (status) {
    case kStockEntryInUse: return bundle->localizedString("Stock In Use");
    case kStockEntryUnsupportedValues: return bundle->localizedString("Unsupported Values");
    case kStockEntryUnsupportedAttributes: return bundle->localizedString("Unsupported Attributes");
    default: return {};
  }
}

// The place of uuid in the recent-use list; after every listed one when it is not there.
std::size_t RecentPlace(const Library& l, const std::string& uuid) {
  const auto& recent = l.order.stockOrderList();
  return static_cast<std::size_t>(std::find(recent.begin(), recent.end(), uuid) - recent.begin());
}

std::optional<std::string> Selected(const Library& l) {
  const auto& selection = l.papers.dataBrowser().selection();
  if (selection.empty() || *selection.begin() < 1 || *selection.begin() > l.rows.size()) return std::nullopt;
  return l.rows[*selection.begin() - 1];
}

void EnableButtons(const Library& l) {
  const bool selected = Selected(l).has_value();
  for (ui::ControlID id : {kEditID, kDeleteID})
    if (ui::Control* button = l.window.find(id)) button->setEnabled(selected);
  if (l.window.defaultButton()) l.window.defaultButton()->setEnabled(selected);
}

// The rows again, in the chosen order, keeping the selected entry selected.
void ShowPapers(Library& l, const std::optional<std::string>& keep) {
  l.rows.clear();
  for (const auto& [uuid, value] : l.list.stockList())
    if (value.asDictionary()) l.rows.push_back(uuid);
  const bool recent = l.sort.value() == kSortByRecentUse;
  std::stable_sort(l.rows.begin(), l.rows.end(), [&](const std::string& a, const std::string& b) {
    if (recent && RecentPlace(l, a) != RecentPlace(l, b)) return RecentPlace(l, a) < RecentPlace(l, b);
    return LessIgnoringCase(NameOf(EntryOf(l, a)), NameOf(EntryOf(l, b)));
  });
  ui::DataBrowser& browser = l.papers.dataBrowser();
  std::vector<ui::DataBrowserItemID> items;
  std::set<ui::DataBrowserItemID> selection;
  for (std::size_t i = 0; i < l.rows.size(); ++i) {
    items.push_back(static_cast<ui::DataBrowserItemID>(i + 1));
    if (keep && l.rows[i] == *keep) selection.insert(static_cast<ui::DataBrowserItemID>(i + 1));
  }
  browser.setItems(std::move(items));
  browser.setSelection(std::move(selection));
  EnableButtons(l);
  DrawControl(l.papers);
}

void ShowPrinterPapers(Library& l) {
  std::vector<std::string> names;
  if (l.dialog && l.dialog->printerStock.libraryList)
    for (const auto& [uuid, value] : l.dialog->printerStock.libraryList->stockList())
      if (const platform::PlistDict* dict = value.asDictionary()) names.push_back(NameOf(StockLibrary(*dict)));
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  ui::DataBrowser& browser = l.printerPapers.dataBrowser();
  browser.setDataCallback([names](ui::DataBrowserItemID item, ui::DataBrowserPropertyID) {
    return item >= 1 && item <= names.size() ? names[item - 1] : std::string();
  });
  std::vector<ui::DataBrowserItemID> items;
  for (std::size_t i = 1; i <= names.size(); ++i) items.push_back(static_cast<ui::DataBrowserItemID>(i));
  browser.setItems(std::move(items));
  DrawControl(l.printerPapers);
}

// Stores what the named paper form gave: by its name when the user agreed to replace the paper
// of that name (one entry of the name is left), else as the edited entry or a new one.
void StorePaper(Library& l, const std::optional<std::string>& edited, const Stock& stock, bool replace) {
  StockLibrary entry;
  if (edited) entry = EntryOf(l, *edited);
  const bool sameName = edited && EqualIgnoringCase(NameOf(entry), stock.customName());
  entry.setStock(stock);
  entry.setName(stock.customName());
  entry.validateStockEntry();
  if (replace && !sameName) {
    if (edited) {
      l.list.remove(*edited);
      l.order.remove(*edited);
    }
    l.list.replace(&entry);
  } else if (edited) {
    l.list.update(*edited, &entry);
  } else {
    l.list.add(&entry);
  }
}

void AddOrEdit(Library& l, bool editing) {
  const std::optional<std::string> edited = editing ? Selected(l) : std::nullopt;
  if (editing && !edited) return;
  Stock stock;
  if (edited) {
    stock = EntryOf(l, *edited).stock();
  } else {
    DefaultStock(stock, l.context);
  }
  NamedPaperRequest request;
  request.editing = editing;
  request.library = &l.list;
  request.dialog = l.dialog;
  DialogAnswer<NamedPaper> answer = RunModalNamedPaperStockSelection(l.bundle, l.context, request, stock);
  if (!answer.record) return;
  StorePaper(l, edited, answer.record->stock, answer.record->replace);
  ShowPapers(l, edited);
}

void DeleteSelected(Library& l) {
  const std::optional<std::string> uuid = Selected(l);
  if (!uuid) return;
  ui::AlertRequest alert;
  alert.level = ui::AlertLevel::Caution;
  alert.title = l.bundle->localizedString("Delete Named Paper Header");
  alert.message =
      FormatLocalizedText(l.bundle->localizedString("Delete Named Paper Message"), {NameOf(EntryOf(l, *uuid))});
  alert.buttons = {l.bundle->localizedString("Delete"), l.bundle->localizedString("Cancel")};
  if (ui::RunStandardAlert(alert) != 1) return;
  l.list.remove(*uuid);
  l.order.remove(*uuid);
  ShowPapers(l, std::nullopt);
}

platform::OSStatus HandleEvent(Library& l, ui::Event& e) {
  if (e.eventClass == ui::kEventClassKPDE) {
    if (l.dialog) RebuildPrinterStockLibrary(l.dialog->printerStock);
    ShowPrinterPapers(l);
    return platform::noErr;
  }
  if (e.control == l.window.find(kAddID)) {
    AddOrEdit(l, false);
  } else if (e.control == l.window.find(kEditID)) {
    AddOrEdit(l, true);
  } else if (e.control == l.window.find(kDeleteID)) {
    DeleteSelected(l);
  } else if (e.control == &l.sort) {
    ShowPapers(l, Selected(l));
  } else {
    return platform::eventNotHandledErr;
  }
  return platform::noErr;
}

}  // namespace

std::vector<Stock> StocksTheSessionUses(const platform::PrintSession* session) {
  std::vector<Stock> stocks;
  const platform::Ticket* t = session ? session->ticket(platform::kPDE_PMPrintSettingsRef) : nullptr;
  if (t == nullptr) return stocks;
  stocks.push_back(ReadJobLevelStock(*t));
  const SpecialPages pages = ReadSpecialPages(*t);
  for (const SpecialPageList* list : {static_cast<const SpecialPageList*>(&pages.inserts),
                                      static_cast<const SpecialPageList*>(&pages.exceptions)})
    for (long i = 0; i < list->count(); ++i) stocks.push_back(list->pageAtIndex(i)->stock());
  for (const std::optional<Cover>* cover : {&pages.frontCover, &pages.backCover})
    if (*cover) stocks.push_back((*cover)->stock());
  return stocks;
}

DialogAnswer<Stock> RunModalStockLibraryDialog(const platform::Bundle* bundle, JobContext context,
                                               const std::vector<const Stock*>& stocksInUse, DialogState* dialog) {
  return RunDialog(bundle, {"StockLibrary", "StockLibrary", {}}, Stock(),
                   [&](ui::Window& window, Stock& chosen) -> std::optional<DialogWiring> {
    ui::Control* papers = window.find(kPapersID);
    ui::Control* printerPapers = window.find(kPrinterPapersID);
    ui::Control* sort = window.find(kSortID);
    if (papers == nullptr || printerPapers == nullptr || sort == nullptr) return std::nullopt;
    auto open = std::shared_ptr<OpenLibrary>(
        new OpenLibrary{Library{bundle, context, dialog, window, *papers, *printerPapers, *sort, {}, {}, {}}});
    Library& l = open->library;
    MarkStocksInUse(l.list, stocksInUse);
    papers->dataBrowser().setDataCallback([&l](ui::DataBrowserItemID item, ui::DataBrowserPropertyID column) {
      if (item < 1 || item > l.rows.size()) return std::string();
      const StockLibrary entry = EntryOf(l, l.rows[item - 1]);
      if (column == kNameColumn) return NameOf(entry);
      if (column == kStatusColumn) return StatusText(l.bundle, entry.status());
      return column == kCommentColumn ? entry.stock().comment() : std::string();
    });
    papers->dataBrowser().setSelectionCallback([&l](const std::set<ui::DataBrowserItemID>&) { EnableButtons(l); });
    ShowPapers(l, std::nullopt);
    ShowPrinterPapers(l);
    // The printer's papers as the worker has them now, and again whenever it reports, until the
    // dialog is gone.
    if (dialog) {
      const platform::MessageData token = RegisterPrinterStockWindow(dialog->printerStock, &window);
      AskForPrinterStocks(dialog->printerStock, token);
    }
    DialogWiring wiring;
    wiring.state = open;
    wiring.handlers.push_back(window.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassKPDE, kEventPrinterStockResults}},
        [&l](ui::Event& e) { return HandleEvent(l, e); }));
    wiring.acceptOK = [&l] { return Selected(l).has_value(); };
    wiring.collect = [&l, &chosen] {
      const std::string uuid = *Selected(l);
      chosen = EntryOf(l, uuid).stock();
      RepairLibraryStock(chosen);
      l.order.updateOrderList(uuid);
    };
    return wiring;
  });
}
