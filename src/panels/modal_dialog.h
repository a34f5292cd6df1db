#pragma once
// The one way the panels build a dialog: its window from an interface description, Help opening
// its page of the help book, Defaults, and OK and Cancel (the standard commands of its buttons),
// on a copy of the record it edits. The answer is the edited record on OK and none on Cancel, so
// Cancel changes nothing the caller holds.
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/bundle/bundle.h"
#include "platform/status.h"
#include "platform/ui/event.h"
#include "platform/ui/window.h"

// The status a dialog answers when its interface description cannot be loaded.
inline constexpr platform::OSStatus kDialogNotLoadedErr = -9530;

// Where a dialog's window comes from, and the page of the help book its Help button opens (none
// for a dialog without Help).
struct DialogWindowNames {
  std::string_view interfaceName;
  std::string_view windowName;
  std::string_view helpPage;
};

// What a dialog's own code gives the template once it has wired its controls. Every member may
// be left empty.
struct DialogWiring {
  std::function<bool()> acceptOK;              // may OK close the dialog (an OK it refuses keeps it open)
  std::function<void()> defaults;              // what Defaults does
  std::function<void()> collect;               // the controls into the record, after OK
  std::function<std::string_view()> helpPage;  // the page, when it depends on what the dialog shows
  std::vector<platform::ui::EventHandlerRef> handlers;  // the dialog's own handlers, kept for the run
  std::shared_ptr<void> state;                          // whatever those handlers work on
};

// A dialog's answer: the record as edited after OK, none after Cancel; status is noErr unless
// the dialog could not be shown.
template <class Record>
struct DialogAnswer {
  platform::OSStatus status = platform::noErr;
  std::optional<Record> record;
};

// The window `windowName` of the interface description `name`; null after the loader's message
// on stderr when it cannot be loaded, or when there is no bundle.
std::unique_ptr<platform::ui::Window> LoadDialogWindow(const platform::Bundle* bundle, std::string_view name,
                                                       std::string_view windowName);

// Runs the window as an application-modal dialog: Help opens the page, Defaults runs the wiring's
// defaults, OK closes it when acceptOK (if given) agrees, Cancel always closes it; a dialog
// nobody answers counts as cancelled. True for OK.
bool RunModalDialog(const platform::Bundle* bundle, platform::ui::Window& window, std::string_view helpPage,
                    const DialogWiring& wiring);

// The template every dialog runs on: loads the window, lets wire(window, record) connect the
// controls to the copy of the record (nullopt when the window lacks a control it needs), runs it,
// and answers the record as the dialog left it after OK.
template <class Record, class Wire>
DialogAnswer<Record> RunDialog(const platform::Bundle* bundle, const DialogWindowNames& names, Record record,
                               Wire&& wire) {
  std::unique_ptr<platform::ui::Window> window = LoadDialogWindow(bundle, names.interfaceName, names.windowName);
  if (window == nullptr) return {kDialogNotLoadedErr, std::nullopt};
  std::optional<DialogWiring> wiring = std::forward<Wire>(wire)(*window, record);
  if (!wiring) return {kDialogNotLoadedErr, std::nullopt};
  if (!RunModalDialog(bundle, *window, names.helpPage, *wiring)) return {};
  if (wiring->collect) wiring->collect();
  return {platform::noErr, std::move(record)};
}

// The wiring of a dialog kept as an object for the run: the handler its install() puts on the
// window, and whichever of accept(), defaults(), collect() and helpPage() it has.
template <class Dialog>
DialogWiring WireDialog(std::shared_ptr<Dialog> dialog) {
  Dialog& d = *dialog;
  DialogWiring wiring;
  wiring.handlers.push_back(d.install());
  if constexpr (requires { d.accept(); }) wiring.acceptOK = [&d] { return d.accept(); };
  if constexpr (requires { d.defaults(); }) wiring.defaults = [&d] { d.defaults(); };
  if constexpr (requires { d.collect(); }) wiring.collect = [&d] { d.collect(); };
  if constexpr (requires { d.helpPage(); }) wiring.helpPage = [&d] { return d.helpPage(); };
  wiring.state = std::move(dialog);
  return wiring;
}

// The record the dialog answered, put into `into` after OK; true then, false after Cancel or
// when the dialog could not be shown.
template <class Record>
bool TakeAnswer(DialogAnswer<Record>&& answer, Record& into) {
  if (!answer.record) return false;
  into = std::move(*answer.record);
  return true;
}
