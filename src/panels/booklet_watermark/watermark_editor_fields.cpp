// The watermark editor's fields and the record between them. Offsets are shown in hundredths of an
// inch or tenths of a millimetre and may reach half the page either way from its centre; the
// record keeps them in inches.
#include "panels/booklet_watermark/watermark_editor_fields.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "controls/spin_control.h"
#include "kit/number_text.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KWEd");
constexpr double kLetterWidth = 612, kLetterHeight = 792;  // a page the caller did not size

struct NamedColor {
  const char* key;
  float red, green, blue;
};
constexpr std::array<NamedColor, 5> kColors{{{"Watermark Color Blue", 0, 0, 1},
                                             {"Watermark Color Red", 1, 0, 0},
                                             {"Watermark Color Green", 0, 0.5f, 0},
                                             {"Watermark Color Gray", 0.5f, 0.5f, 0.5f},
                                             {"Watermark Color Black", 0, 0, 0}}};
// The record keeps a font's PostScript name; the pop-up shows the name people know it by.
struct NamedFont {
  const char* postScriptName;
  const char* shown;
};
constexpr std::array<NamedFont, 8> kFonts{{{"ArialMT", "Arial"},
                                           {"Arial-BoldMT", "Arial Bold"},
                                           {"Helvetica", "Helvetica"},
                                           {"Helvetica-Bold", "Helvetica Bold"},
                                           {"TimesNewRomanPSMT", "Times New Roman"},
                                           {"Times-Roman", "Times Roman"},
                                           {"CourierNewPSMT", "Courier New"},
                                           {"Courier", "Courier"}}};

// The font's place in the pop-up (from 1); 0 for one not listed.
int FontItem(const std::string& postScriptName) {
  for (std::size_t i = 0; i < kFonts.size(); ++i)
    if (postScriptName == kFonts[i].postScriptName) return static_cast<int>(i) + 1;
  return 0;
}

ui::Control* Find(ui::Window& w, std::int32_t id) { return w.find({kSignature, id}); }

ui::Control* Spin(ui::Window& w, std::int32_t field, std::int32_t arrows) {
  ui::Control* f = Find(w, field);
  ui::Control* a = Find(w, arrows);
  if (f == nullptr || a == nullptr) return nullptr;
  SetSpinControlField(*a, *f);
  CreateSpinControl(a);
  return a;
}

void ChooseRadio(ui::Control& group, std::int32_t value) {
  for (std::size_t i = 0; i < group.children().size(); ++i)
    group.children()[i]->setValue(static_cast<std::int32_t>(i) + 1 == value ? 1 : 0);
  group.setValue(value);
}

bool SameColor(const NamedColor& named, const WatermarkData& r) {
  return named.red == r.wellColorRed && named.green == r.wellColorGreen && named.blue == r.wellColorBlue;
}

// Scaled field units per inch: hundredths of an inch, tenths of a millimetre.
double FieldUnitsPerInch(std::int32_t units) { return units == kWatermarkUnitsMillimetres ? 254.0 : 100.0; }

std::int32_t HalfPageLimit(double pagePoints, double fallback, std::int32_t units) {
  const double points = pagePoints > 0 ? pagePoints : fallback;
  return static_cast<std::int32_t>(std::floor(points / 2 / 72 * FieldUnitsPerInch(units)));
}

void ShowOffset(ui::Control* arrows, float inches, std::int32_t limit, std::int32_t units) {
  arrows->setMinimum(-limit);
  arrows->setMaximum(limit);
  SetSpinControlDecimals(*arrows, units == kWatermarkUnitsMillimetres ? 1 : 2);
  ShowSpinControlValue(arrows, ScaledTowardZero(inches * FieldUnitsPerInch(units)));
}

}  // namespace

bool FindWatermarkEditorControls(ui::Window& w, WatermarkEditorControls* c) {
  *c = WatermarkEditorControls{Find(w, 1),        Find(w, 4),          Find(w, 5),        Spin(w, 6, 7),
                               Find(w, 8),        Spin(w, 9, 10),      Spin(w, 11, 12),   Spin(w, 13, 14),
                               Spin(w, 15, 16),   Find(w, 17),         Find(w, 20),       Find(w, 21),
                               Spin(w, 22, 23),   Find(w, 24)};
  for (ui::Control* control : {c->kind, c->text, c->font, c->sizeArrows, c->color, c->angleArrows, c->densityArrows,
                               c->xArrows, c->yArrows, c->units, c->pictureFile, c->choosePicture, c->scaleArrows,
                               c->preview})
    if (control == nullptr) return false;
  return c->kind->children().size() == 2 && c->units->children().size() == 2;
}

void ShowWatermarkRecord(const platform::Bundle* bundle, const WatermarkEditorControls& c, const WatermarkData& r) {
  ChooseRadio(*c.kind, r.textString.empty() && !r.filename.empty() ? 2 : 1);
  c.text->setText(r.textString);

  ui::Menu& fonts = c.font->menu();
  fonts.clear();
  for (const NamedFont& font : kFonts) fonts.append(ui::MenuItem(font.shown));
  // A font of the record's own is listed as it is named there.
  int fontItem = r.fontName.empty() ? 1 : FontItem(r.fontName);
  if (fontItem == 0) {
    fonts.append(ui::MenuItem(r.fontName));
    fontItem = fonts.count();
  }
  c.font->setMaximum(fonts.count());
  c.font->setValue(fontItem);

  ui::Menu& colors = c.color->menu();
  colors.clear();
  int chosen = 0;
  for (std::size_t i = 0; i < kColors.size(); ++i) {
    colors.append(ui::MenuItem(bundle ? bundle->localizedString(kColors[i].key) : kColors[i].key, 0,
                               static_cast<std::int32_t>(i)));
    if (chosen == 0 && SameColor(kColors[i], r)) chosen = static_cast<int>(i) + 1;
  }
  if (chosen == 0)  // a colour of its own stays the record's until another is chosen
    chosen = colors.append(ui::MenuItem(bundle ? bundle->localizedString("Watermark Color Other") : "Other", 0, -1));
  c.color->setMaximum(colors.count());
  c.color->setValue(chosen);

  SetSpinControlValue(c.sizeArrows, r.fontSize);
  SetSpinControlValue(c.angleArrows, r.angle);
  SetSpinControlValue(c.densityArrows, r.density);
  SetSpinControlValue(c.scaleArrows, r.scale);
  c.pictureFile->setText(r.filePath);
  ShowWatermarkOffsetUnits(c, r, r.units == kWatermarkUnitsMillimetres ? kWatermarkUnitsMillimetres
                                                                         : kWatermarkUnitsInches);
  EnableWatermarkKind(c);
}

void ShowWatermarkOffsetUnits(const WatermarkEditorControls& c, const WatermarkData& r, std::int32_t units) {
  ChooseRadio(*c.units, units == kWatermarkUnitsMillimetres ? 2 : 1);
  ShowOffset(c.xArrows, r.xOffset, HalfPageLimit(r.pageWidth, kLetterWidth, units), units);
  ShowOffset(c.yArrows, r.yOffset, HalfPageLimit(r.pageHeight, kLetterHeight, units), units);
}

WatermarkData ReadWatermarkRecord(const WatermarkEditorControls& c, const WatermarkData& original,
                                  std::int32_t shownUnits) {
  WatermarkData r = original;
  const std::int32_t units = shownUnits == kWatermarkUnitsMillimetres ? kWatermarkUnitsMillimetres : kWatermarkUnitsInches;
  r.units = units;
  r.scale = c.scaleArrows->value();
  if (c.kind->value() == 2) {
    r.textString.clear();
    r.filePath = c.pictureFile->text();
    r.filename = r.filePath.empty() ? std::string() : std::filesystem::path(r.filePath).filename().string();
    r.glyphs.clear();
    return r;
  }
  r.textString = c.text->text();
  r.filename.clear();
  r.filePath.clear();
  const int font = c.font->value();
  if (font >= 1 && font <= static_cast<int>(kFonts.size())) r.fontName = kFonts[static_cast<std::size_t>(font) - 1].postScriptName;
  else if (const ui::MenuItem* own = c.font->selectedItem()) r.fontName = own->text;
  r.fontSize = c.sizeArrows->value();
  r.angle = c.angleArrows->value();
  r.density = c.densityArrows->value();
  r.xOffset = static_cast<float>(c.xArrows->value() / FieldUnitsPerInch(units));
  r.yOffset = static_cast<float>(c.yArrows->value() / FieldUnitsPerInch(units));
  if (const ui::MenuItem* color = c.color->selectedItem(); color && color->refValue && *color->refValue >= 0) {
    const NamedColor& named = kColors[static_cast<std::size_t>(*color->refValue)];
    r.wellColorRed = named.red;
    r.wellColorGreen = named.green;
    r.wellColorBlue = named.blue;
    r.wellColorAlpha = 1;
  }
  // The font colour goes with the well colour, as the print path expects both.
  r.fontColorRed = r.wellColorRed;
  r.fontColorGreen = r.wellColorGreen;
  r.fontColorBlue = r.wellColorBlue;
  r.fontColorAlpha = r.wellColorAlpha;
  if (r.textString != original.textString || r.fontName != original.fontName) r.glyphs.clear();
  return r;
}

void EnableWatermarkKind(const WatermarkEditorControls& c) {
  const bool text = c.kind->value() != 2;
  // Each field sits just before its arrows in the description.
  for (ui::Control* arrows : {c.sizeArrows, c.angleArrows, c.densityArrows, c.xArrows, c.yArrows}) {
    arrows->setEnabled(text);
    if (ui::Control* field = c.preview->window()->find({kSignature, arrows->id().id - 1})) field->setEnabled(text);
  }
  for (ui::Control* control : {c.text, c.font, c.color, c.units}) control->setEnabled(text);
  for (ui::Control* control : {c.pictureFile, c.choosePicture, c.scaleArrows}) control->setEnabled(!text);
  if (ui::Control* field = c.preview->window()->find({kSignature, 22})) field->setEnabled(!text);
}

bool WatermarkFieldsValid(const WatermarkEditorControls& c) {
  for (ui::Control* arrows : {c.sizeArrows, c.angleArrows, c.densityArrows, c.xArrows, c.yArrows, c.scaleArrows})
    if (!SpinControlIsInputValid(arrows)) return false;
  return true;
}
