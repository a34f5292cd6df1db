#include "kit/input_limiting.h"

#include <utility>

#include "platform/locale/utf8_text.h"
#include "platform/ui/interaction.h"

namespace {

namespace ui = platform::ui;

constexpr char32_t kNoCharacter = 0xFFFFFFFF;  // stands for a byte that starts no sequence

// Calls visit with each code point of text; a byte that starts no well-formed sequence is passed
// as kNoCharacter, so that no set can be fooled into accepting it.
template <typename Visit>
bool ForEachCharacter(std::string_view text, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::string_view rest = text.substr(i);
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    char32_t character = kNoCharacter;
    if (length != 0 && length <= rest.size() && platform::IsValidUTF8(rest.substr(0, length))) {
      character = length == 1 ? lead : static_cast<char32_t>(lead & (0x7F >> length));
      for (std::size_t k = 1; k < length; ++k)
        character = (character << 6) | static_cast<char32_t>(static_cast<unsigned char>(rest[k]) & 0x3F);
    } else {
      length = 1;
    }
    if (!visit(character)) return false;
    i += length;
  }
  return true;
}

struct InputLimits {
  int minimumLength = 0;
  int maximumLength = 0;
  std::shared_ptr<const CharacterSet> allowed;
  ui::EventHandlerRef handler;
};

std::shared_ptr<InputLimits> LimitsOf(const ui::Control& field) {
  const std::any* property = field.property(kInputLimitsCreator, kInputLimitsTag);
  if (property == nullptr) return nullptr;
  const auto* limits = std::any_cast<std::shared_ptr<InputLimits>>(property);
  return limits ? *limits : nullptr;
}

void Notify(ui::Control& field, std::uint32_t kind) {
  ui::Event notification(ui::kEventClassKPDE, kind);
  notification.control = &field;
  ui::SendEventToEventTarget(notification, &field);
}

void NotifyLength(ui::Control& field, const InputLimits& limits) {
  const std::size_t length = platform::UTF16Length(field.text());
  const std::size_t minimum = limits.minimumLength < 1 ? 1 : static_cast<std::size_t>(limits.minimumLength);
  if (length == 0)
    Notify(field, ui::kEventInputEmpty);
  else if (length < minimum)
    Notify(field, ui::kEventInputTooShort);
  else
    Notify(field, ui::kEventInputLongEnough);
}

// A Return typed into a multi-line text view enters a line break: a character that takes room.
bool IsLineBreakInTextView(const ui::Control& field, const std::string& typed) {
  return field.kind() == ui::ControlKind::TextView && (typed == "\n" || typed == "\r");
}

// Answers noErr to drop the typed text, eventNotHandledErr to let it go into the field.
platform::OSStatus CheckTypedText(const ui::Control& field, const InputLimits& limits, const std::string& typed) {
  const bool lineBreak = IsLineBreakInTextView(field, typed);
  if (IsControlText(typed) && !lineBreak) return platform::eventNotHandledErr;
  if (limits.maximumLength >= 1) {
    // The typed text replaces the selection, so the selected units make room for it.
    const std::size_t after = platform::UTF16Length(field.text()) + platform::UTF16Length(typed) -
                              field.selection().length;
    if (after > static_cast<std::size_t>(limits.maximumLength)) {
      ui::Beep();
      return platform::noErr;
    }
  }
  if (limits.allowed && !lineBreak && !limits.allowed->containsAll(typed)) {
    ui::Beep();
    return platform::noErr;
  }
  return platform::eventNotHandledErr;
}

}  // namespace

CharacterSet CharacterSet::FromCharacters(std::string_view utf8) {
  CharacterSet set;
  set.addCharacters(utf8);
  return set;
}

CharacterSet CharacterSet::DecimalDigits() { return FromCharacters("0123456789"); }

CharacterSet CharacterSet::AllExcept(std::string_view utf8) {
  CharacterSet set = FromCharacters(utf8);
  set.excluding_ = true;
  return set;
}

void CharacterSet::addCharacters(std::string_view utf8) {
  ForEachCharacter(utf8, [this](char32_t c) {
    if (c != kNoCharacter) characters_.insert(c);
    return true;
  });
}

bool CharacterSet::containsAll(std::string_view utf8) const {
  return ForEachCharacter(utf8, [this](char32_t c) { return c != kNoCharacter && contains(c); });
}

bool IsControlText(std::string_view utf8) {
  return ForEachCharacter(utf8, [](char32_t c) { return c < 0x20 || c == 0x7F; });
}

platform::OSStatus LimitInputLengthAndCharacters(ui::Control* field, int minimumLength, int maximumLength,
                                                 std::shared_ptr<const CharacterSet> allowedCharacters) {
  if (field == nullptr) return platform::paramErr;
  auto limits = std::make_shared<InputLimits>();
  limits->minimumLength = minimumLength;
  limits->maximumLength = maximumLength;
  limits->allowed = std::move(allowedCharacters);
  // The handler finds the limits through the field, never through a reference of its own, so that
  // the limits (which own the handler) are freed with the field's property.
  limits->handler = field->installHandler(
      {{ui::kEventClassTextInput, ui::kEventTextInputUnicodeForKeyEvent},
       {ui::kEventClassTextField, ui::kEventTextDidChange},
       {ui::kEventClassComboBox, ui::kEventComboBoxListItemSelected},
       {ui::kEventClassControl, ui::kEventControlDispose}},
      [field](ui::Event& e) -> platform::OSStatus {
        if (e.control != field) return platform::eventNotHandledErr;
        std::shared_ptr<InputLimits> current = LimitsOf(*field);
        if (!current) return platform::eventNotHandledErr;
        if (e.eventClass == ui::kEventClassTextInput) return CheckTypedText(*field, *current, e.text);
        if (e.eventClass == ui::kEventClassTextField) {
          // Deletions notify too: only they can leave the field empty.
          NotifyLength(*field, *current);
        } else if (e.eventClass == ui::kEventClassComboBox) {
          Notify(*field, ui::kEventInputLongEnough);
        } else {
          field->removeProperty(kInputLimitsCreator, kInputLimitsTag);
        }
        return platform::eventNotHandledErr;
      });
  field->setProperty(kInputLimitsCreator, kInputLimitsTag, std::move(limits));
  return platform::noErr;
}
