#include "kit/control_helpers.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <optional>
#include <utility>

#include "platform/locale/utf8_text.h"

namespace {

namespace ui = platform::ui;

// A directive's argument: the number before "$", or the next in order.
std::optional<std::size_t> ArgumentIndex(std::string_view digits, std::size_t& next) {
  if (digits.empty()) return next++;
  std::size_t n = 0;
  for (char c : digits) {
    n = n * 10 + static_cast<std::size_t>(c - '0');
    if (n > 1000) return std::nullopt;  // no text has that many arguments
  }
  if (n == 0) return std::nullopt;
  return n - 1;
}

std::optional<std::string> Convert(char conversion, const FormatArgument& argument) {
  if (const std::int64_t* number = std::get_if<std::int64_t>(&argument)) return std::to_string(*number);
  if (conversion == '@') return std::get<std::string>(argument);
  return std::nullopt;  // %d never turns text into a number
}

std::optional<std::string> LocalizedText(const platform::Bundle* bundle, const char* key,
                                         const FormatArguments& arguments) {
  if (bundle == nullptr || key == nullptr || *key == '\0') return std::nullopt;
  return FormatLocalizedText(bundle->localizedString(key), arguments);
}

// Sizes for the 13-point system font, until a renderer measures the real one.
constexpr int kUnitWidth = 7;
constexpr int kLineHeight = 16;

struct TextExtent {
  std::size_t widestLine = 0;  // UTF-16 units
  int lines = 1;
};

TextExtent Extent(std::string_view text) {
  TextExtent extent;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    extent.widestLine = std::max(extent.widestLine, platform::UTF16Length(text.substr(start, end - start)));
    if (end == std::string_view::npos) break;
    ++extent.lines;
    start = end + 1;
  }
  return extent;
}

int WidthOf(std::size_t units) { return static_cast<int>(std::min<std::size_t>(units, 10000)) * kUnitWidth; }

std::optional<std::pair<int, int>> PNGSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<unsigned char, 24> head{};
  if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return std::nullopt;
  static constexpr std::array<unsigned char, 16> kSignatureAndHeader = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                                        0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  if (!std::equal(kSignatureAndHeader.begin(), kSignatureAndHeader.end(), head.begin())) return std::nullopt;
  auto word = [&head](std::size_t at) {
    return (static_cast<std::uint32_t>(head[at]) << 24) | (static_cast<std::uint32_t>(head[at + 1]) << 16) |
           (static_cast<std::uint32_t>(head[at + 2]) << 8) | static_cast<std::uint32_t>(head[at + 3]);
  };
  const std::uint32_t width = word(16), height = word(20);
  // The format allows up to 2^31 - 1; a control's picture is far smaller.
  if (width == 0 || height == 0 || width > 0x7FFF || height > 0x7FFF) return std::nullopt;
  return std::make_pair(static_cast<int>(width), static_cast<int>(height));
}


}  // namespace

std::string FormatLocalizedText(std::string_view format, const FormatArguments& arguments) {
  std::string out;
  std::size_t next = 0;
  std::size_t i = 0;
  while (i < format.size()) {
    const std::size_t percent = format.find('%', i);
    if (percent == std::string_view::npos) {
      out.append(format.substr(i));
      break;
    }
    out.append(format.substr(i, percent - i));
    if (percent + 1 < format.size() && format[percent + 1] == '%') {
      out.push_back('%');
      i = percent + 2;
      continue;
    }
    // %[N$](@|d)
    std::size_t j = percent + 1;
    while (j < format.size() && format[j] >= '0' && format[j] <= '9') ++j;
    std::string_view position = format.substr(percent + 1, j - percent - 1);
    if (!position.empty() && j < format.size() && format[j] == '$') ++j;
    else if (!position.empty()) j = format.size();  // digits without "$" make no directive of ours
    std::optional<std::string> converted;
    std::size_t argumentNext = next;
    if (j < format.size() && (format[j] == '@' || format[j] == 'd')) {
      std::optional<std::size_t> index = ArgumentIndex(position, argumentNext);
      if (index && *index < arguments.size()) converted = Convert(format[j], arguments[*index]);
    }
    if (converted) {
      out.append(*converted);
      next = argumentNext;
      i = j + 1;
    } else {
      out.push_back('%');  // kept as written
      i = percent + 1;
    }
  }
  return out;
}

void DrawControl(ui::Control& control) {
  if (!control.isReallyVisible()) return;
  ui::Event draw(ui::kEventClassControl, ui::kEventControlDraw);
  draw.control = &control;
  control.callHandlers(draw);
}

void ShowPicture(ui::Control* picture, const std::string& file) {
  if (picture == nullptr) return;
  picture->setPicture(file);
  DrawControl(*picture);
}

platform::OSStatus SetLocalizedStaticText(const platform::Bundle* bundle, const char* key, ui::Control* control,
                                          const FormatArguments& arguments) {
  std::optional<std::string> text = LocalizedText(bundle, key, arguments);
  if (!text || control == nullptr) return platform::paramErr;
  control->setText(std::move(*text));
  DrawControl(*control);
  return platform::noErr;
}

platform::OSStatus SetLocalizedControlTitle(const platform::Bundle* bundle, const char* key, ui::Control* control,
                                            const FormatArguments& arguments) {
  std::optional<std::string> text = LocalizedText(bundle, key, arguments);
  if (!text || control == nullptr) return platform::paramErr;
  control->setTitle(std::move(*text));
  DrawControl(*control);
  return platform::noErr;
}

platform::OSStatus SetLocalizedWindowTitle(const platform::Bundle* bundle, const char* key, ui::Window* window,
                                           const FormatArguments& arguments) {
  std::optional<std::string> text = LocalizedText(bundle, key, arguments);
  if (!text || window == nullptr) return platform::paramErr;
  window->setTitle(std::move(*text));
  return platform::noErr;
}

platform::OSStatus SetLocalizedMenuTitle(const platform::Bundle* bundle, const char* key, ui::Menu* menu, int item,
                                         const FormatArguments& arguments) {
  std::optional<std::string> text = LocalizedText(bundle, key, arguments);
  ui::MenuItem* target = menu ? menu->item(item) : nullptr;
  if (!text || target == nullptr) return platform::paramErr;
  target->text = std::move(*text);
  return platform::noErr;
}

platform::OSStatus UpdateSummaryTextView(ui::Control* textView, const char* text) {
  if (textView == nullptr || text == nullptr) return platform::paramErr;
  textView->setLocked(false);
  textView->setText(text);
  textView->setLocked(true);
  DrawControl(*textView);
  return platform::noErr;
}

platform::OSStatus SetControlBestRect(ui::Control* control) {
  if (control == nullptr) return platform::paramErr;
  ui::Rect rect = control->bounds();
  switch (control->kind()) {
    case ui::ControlKind::StaticText: {
      TextExtent extent = Extent(control->text().empty() ? control->title() : control->text());
      rect.width = WidthOf(extent.widestLine);
      rect.height = extent.lines * kLineHeight;
      break;
    }
    case ui::ControlKind::PushButton:
      // The bezel's ends and a button never narrower than the standard OK button.
      rect.width = std::max(69, WidthOf(platform::UTF16Length(control->title())) + 28);
      rect.height = 20;
      break;
    case ui::ControlKind::CheckBox:
    case ui::ControlKind::RadioButton:
      rect.width = 18 + 4 + WidthOf(platform::UTF16Length(control->title()));
      rect.height = 18;
      break;
    case ui::ControlKind::PopupButton: {
      // Wide enough for the longest item, beside the pop-up's arrows.
      std::size_t widest = platform::UTF16Length(control->title());
      if (const ui::Menu* menu = control->menuIfAny())
        for (const ui::MenuItem& item : menu->items()) widest = std::max(widest, platform::UTF16Length(item.text));
      rect.width = WidthOf(widest) + 38;
      rect.height = 20;
      break;
    }
    case ui::ControlKind::GroupBox:
      rect.width = std::max(rect.width, WidthOf(platform::UTF16Length(control->title())) + 16);
      break;
    default:
      break;
  }
  control->setBounds(rect);
  return platform::noErr;
}

platform::OSStatus DrawImage(const platform::Bundle* bundle, const char* fileName, ui::Control* control,
                             bool keepBackground) {
  if (bundle == nullptr || control == nullptr) return platform::paramErr;
  std::vector<DrawnImage> images = keepBackground ? ImagesDrawnIn(*control) : std::vector<DrawnImage>{};
  if (!keepBackground) ui::SetDrawnImages(*control, {});
  if (fileName == nullptr || *fileName == '\0') return platform::fnfErr;
  std::optional<std::string> path = bundle->resourcePath(fileName);
  if (!path) return platform::fnfErr;
  std::optional<std::pair<int, int>> size = PNGSize(*path);
  if (!size) return platform::ioErr;
  const ui::Rect bounds = control->bounds();
  const auto [width, height] = *size;
  // Centred both ways; a picture larger than the control overhangs it equally on both sides.
  images.push_back({*path, {bounds.x + (bounds.width - width) / 2, bounds.y + (bounds.height - height) / 2, width, height}});
  ui::SetDrawnImages(*control, std::move(images));
  return platform::noErr;
}

platform::OSStatus InitializeIcon(const platform::Bundle* bundle, ui::Control* control) {
  if (bundle == nullptr || control == nullptr) return platform::paramErr;
  auto handler = std::make_shared<ui::EventHandlerRef>(control->installHandler(
      {{ui::kEventClassControl, ui::kEventControlDraw}}, [bundle, control](ui::Event& e) -> platform::OSStatus {
        if (e.control != control) return platform::eventNotHandledErr;
        DrawImage(bundle, control->picture().c_str(), control, false);
        return platform::noErr;
      }));
  // The handler goes with the control: the property is the only owner of its registration.
  control->setProperty(kDrawingCreator, kIconTag, std::move(handler));
  return platform::noErr;
}
