#pragma once
// Events and the handler chain. A handler answers noErr when it handled the event and
// eventNotHandledErr (-9874) to pass it on: first to the handlers installed earlier on the same
// target, then to the enclosing control, then to the window, then to the toolkit's standard
// behaviour for that event.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/four_char_code.h"
#include "platform/status.h"

namespace platform::ui {

class Control;
class Window;
class Menu;

inline constexpr OSType kEventClassCommand = FourCharCode("cmds");
inline constexpr OSType kEventClassControl = FourCharCode("cntl");
inline constexpr OSType kEventClassMenu = FourCharCode("menu");
inline constexpr OSType kEventClassTextInput = FourCharCode("text");
inline constexpr OSType kEventClassWindow = FourCharCode("wind");
inline constexpr OSType kEventClassComboBox = FourCharCode("hicb");
inline constexpr OSType kEventClassTextField = FourCharCode("txfd");
// The program's own class: input-length notifications and posted custom events.
inline constexpr OSType kEventClassKPDE = FourCharCode("KPDE");

inline constexpr std::uint32_t kEventCommandProcess = 1;
inline constexpr std::uint32_t kEventControlHit = 1;
inline constexpr std::uint32_t kEventControlDraw = 4;
inline constexpr std::uint32_t kEventControlSetFocusPart = 7;
inline constexpr std::uint32_t kEventControlValueFieldChanged = 151;
inline constexpr std::uint32_t kEventControlDispose = 1000;
inline constexpr std::uint32_t kEventMenuEnableItems = 8;
inline constexpr std::uint32_t kEventTextInputUnicodeForKeyEvent = 2;
inline constexpr std::uint32_t kEventComboBoxListItemSelected = 1;
// Sent to a field after its standard editing changed its text, so that a handler can act on the
// text as it now is (a text-input handler sees the text before it goes in).
inline constexpr std::uint32_t kEventTextDidChange = 2;
inline constexpr std::uint32_t kEventWindowClose = 72;
// Input-length notifications a limited field sends itself after accepting text.
inline constexpr std::uint32_t kEventInputEmpty = FourCharCode("ICno");
inline constexpr std::uint32_t kEventInputTooShort = FourCharCode("ICfw");
inline constexpr std::uint32_t kEventInputLongEnough = FourCharCode("ICso");

// Parts of a control a click can hit.
inline constexpr std::int32_t kControlNoPart = 0;
inline constexpr std::int32_t kControlUpButtonPart = 20;
inline constexpr std::int32_t kControlDownButtonPart = 21;
inline constexpr std::int32_t kControlFocusNoPart = 0;
inline constexpr std::int32_t kControlFocusNextPart = -1;

struct Event {
  Event() = default;
  Event(OSType cls, std::uint32_t k) : eventClass(cls), kind(k) {}

  OSType eventClass = 0;
  std::uint32_t kind = 0;
  Control* control = nullptr;  // the control the event is about
  OSType command = 0;          // command events: the command chosen
  Menu* menu = nullptr;        // command events from a menu: the menu and the item number
  int menuItem = 0;
  std::string text;            // text input: the typed text, UTF-8
  std::int32_t part = kControlNoPart;
  void* drawContext = nullptr;  // draw events: the drawing surface of the renderer, if any
  std::any payload;             // posted custom events
};

struct EventTypeSpec {
  OSType eventClass;
  std::uint32_t kind;
};

using EventHandlerProc = std::function<OSStatus(Event&)>;

class EventTarget;

// An installed handler; removing it (or destroying this handle) takes it out of its target's
// chain. Harmless after the target is gone.
class EventHandlerRef {
 public:
  EventHandlerRef() = default;
  EventHandlerRef(EventHandlerRef&&) noexcept = default;
  EventHandlerRef& operator=(EventHandlerRef&& other) noexcept;
  EventHandlerRef(const EventHandlerRef&) = delete;
  EventHandlerRef& operator=(const EventHandlerRef&) = delete;
  ~EventHandlerRef() { remove(); }
  void remove();
  bool installed() const;

 private:
  friend class EventTarget;
  struct Entry;
  using Chain = std::vector<std::shared_ptr<Entry>>;
  EventHandlerRef(std::weak_ptr<Chain> chain, std::shared_ptr<Entry> entry) : chain_(std::move(chain)), entry_(std::move(entry)) {}
  std::weak_ptr<Chain> chain_;
  std::shared_ptr<Entry> entry_;
};

class EventTarget {
 public:
  EventTarget() : chain_(std::make_shared<EventHandlerRef::Chain>()) {}
  EventTarget(const EventTarget&) = delete;
  EventTarget& operator=(const EventTarget&) = delete;
  virtual ~EventTarget() = default;

  // Installs a handler for the given event types; handlers installed later run first.
  [[nodiscard]] EventHandlerRef installHandler(std::vector<EventTypeSpec> types, EventHandlerProc handler);
  // Runs this target's own handlers for the event: noErr (or another status) from the first
  // that handles it, eventNotHandledErr when all pass.
  OSStatus callHandlers(Event& event);
  // Where an unhandled event goes next: the enclosing control, then the window.
  virtual EventTarget* nextTarget() const = 0;

 private:
  std::shared_ptr<EventHandlerRef::Chain> chain_;
};

// Sends the event along the chain from target; answers the status of the handler that took it,
// or eventNotHandledErr when nobody did (the caller then applies the standard behaviour).
OSStatus SendEventToEventTarget(Event& event, EventTarget* target);

}  // namespace platform::ui
