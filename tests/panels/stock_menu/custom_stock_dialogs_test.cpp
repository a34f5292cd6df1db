// The custom size and weight dialogs and the custom colour and type set-ups answered as a user
// would: units, limits, the numbers they give back, what they refuse; a set-up's OK waits for a
// name, and the name goes into the stock only on OK.
#include <gtest/gtest.h>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "panels/stock_menu/custom_size_units.h"
#include "panels/stock_menu/custom_stock_dialogs.h"
#include "platform/bundle/bundle.h"
#include "platform/ui/drawn_images.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/window.h"
#include "vocabulary/printer_default.h"

namespace {

namespace ui = platform::ui;

using korvo_test::In;
using korvo_test::Retype;

class CustomStockDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(opened);
    bundle = *opened;
  }
  // Runs the size dialog with the steps; the fields' texts as the dialog opened.
  std::pair<std::string, std::string> RunSize(std::function<void(ui::Window&, ui::UserDriver&)> steps) {
    std::pair<std::string, std::string> opened;
    script.onModal([&](ui::Window& window, ui::UserDriver& user) {
      opened = {In(window, "Width").text(), In(window, "Length").text()};
      if (ui::Control* area = window.find({platform::FourCharCode("CuSz"), 8})) {
        DrawControl(*area);
        preview = ui::SheetsDrawnIn(*area);
      }
      steps(window, user);
    });
    CustomSize size{width, length};
    confirmed = TakeAnswer(RunModalCustomStockSizeDialog(bundle, size, &dialog), size);
    width = size.width;
    length = size.length;
    return opened;
  }
  ui::ScriptedInteraction script;
  platform::Bundle* bundle = nullptr;
  std::int32_t width = kPrinterDefault, length = kPrinterDefault;
  bool confirmed = false;
  DialogState dialog;  // the print dialog's, whose units are kept between its custom size dialogs
  CustomSizeUnits& units = dialog.customSizeUnits;
  std::vector<ui::DrawnSheet> preview;  // what the preview drew as the dialog opened
  Stock stock;  // what the colour and type set-ups edit
};

TEST_F(CustomStockDialogs, AUSLocaleOpensInInchesAtLetter) {
  korvo_test::ScopedEnv locale("LC_ALL", "en_US.UTF-8");
  const auto opened = RunSize([](ui::Window& w, ui::UserDriver& user) { user.pressReturn(w); });
  EXPECT_EQ(opened, (std::pair<std::string, std::string>("8.50", "11.00")));
  EXPECT_EQ(units, kUnitsInches);
  EXPECT_EQ(preview.size(), 1u);  // the preview drew the sheet for a renderer to show
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(width, 21590);
  EXPECT_EQ(length, 27940);
}

TEST_F(CustomStockDialogs, ASizeConfirmedUntouchedDoesNotDrift) {
  units = kUnitsInches;
  width = 21000, length = 29700;
  const auto opened = RunSize([](ui::Window& w, ui::UserDriver& user) { user.pressReturn(w); });
  EXPECT_EQ(opened, (std::pair<std::string, std::string>("8.27", "11.69")));  // nearest, not truncated
  EXPECT_EQ(width, 21000);
  EXPECT_EQ(length, 29700);
}

TEST_F(CustomStockDialogs, InchesTypedThenMillimetresChosenGiveTheExactSize) {
  units = kUnitsInches;
  std::string shown;
  RunSize([&](ui::Window& w, ui::UserDriver& user) {
    Retype(user, In(w, "Width"), "8.50");
    user.click(*In(w, "Units").children().back());  // Millimeters
    shown = In(w, "Width").text();
    user.pressReturn(w);
  });
  EXPECT_EQ(shown, "215.9");
  EXPECT_EQ(units, kUnitsMillimetres);
  EXPECT_EQ(width, 21590);
}

TEST_F(CustomStockDialogs, WithoutAPrinterTheLimitsAreSixToTwelveInches) {
  units = kUnitsMillimetres;
  std::pair<std::int32_t, std::int32_t> limits;
  RunSize([&](ui::Window& w, ui::UserDriver& user) {
    ui::Control* arrows = SpinControlGetRelatedArrows(&In(w, "Width"));
    limits = {arrows->minimum(), arrows->maximum()};
    user.pressEscape(w);
  });
  EXPECT_EQ(limits, std::make_pair(1524, 3048));
  EXPECT_FALSE(confirmed);
  EXPECT_EQ(width, kPrinterDefault);  // Cancel changes nothing
}

TEST_F(CustomStockDialogs, ASizeBelowTheMinimumIsRefusedWithTheNotice) {
  units = kUnitsInches;
  width = 21590, length = 27940;
  bool stayedOpen = false;
  RunSize([&](ui::Window& w, ui::UserDriver& user) {
    Retype(user, In(w, "Width"), "5.00");
    user.pressReturn(w);
    stayedOpen = !w.modalResult().has_value();
    EXPECT_EQ(In(w, "Width").text(), "6.00");
    user.pressEscape(w);
  });
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(script.alerts().size(), 1u);
  EXPECT_EQ(script.alerts()[0].title, "Invalid paper size");
  EXPECT_EQ(width, 21590);
}

TEST(CustomSizePreview, ScalesInsideTheAreaAndDrawsNothingWithoutLimits) {
  const ui::Rect area{0, 0, 140, 100};
  EXPECT_FALSE(CustomSizePreviewRect(area, 850, 1100, 0, 0));
  const std::optional<ui::Rect> paper = CustomSizePreviewRect(area, 1200, 1200, 1200, 1200);
  ASSERT_TRUE(paper);
  EXPECT_EQ(*paper, (ui::Rect{20, 0, 100, 100}));  // the smaller ratio: height
}

TEST_F(CustomStockDialogs, AWeightBelowSixtyCannotBeConfirmed) {
  std::int32_t weight = kPrinterDefault;
  std::string opened, afterRefusal;
  bool stayedOpen = false;
  script.onModal([&](ui::Window& w, ui::UserDriver& user) {
    opened = In(w, "Weight").text();
    Retype(user, In(w, "Weight"), "59");
    user.pressReturn(w);
    stayedOpen = !w.modalResult().has_value();
    afterRefusal = In(w, "Weight").text();
    user.pressEscape(w);
  });
  confirmed = TakeAnswer(RunModalCustomStockWeightDialog(bundle, weight), weight);
  EXPECT_EQ(opened, "90");
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(afterRefusal, "60");
  EXPECT_EQ(script.beeps(), 1);
  EXPECT_FALSE(confirmed);
  EXPECT_EQ(weight, kPrinterDefault);

  script.onModal([&](ui::Window& w, ui::UserDriver& user) {
    Retype(user, In(w, "Weight"), "120");
    user.pressReturn(w);
  });
  ASSERT_TRUE(TakeAnswer(RunModalCustomStockWeightDialog(bundle, weight), weight));
  EXPECT_EQ(weight, 120);
}

TEST_F(CustomStockDialogs, AnEmptyNameDisablesOKAndOneCharacterEnablesIt) {
  stock.setCustomColor("Sky");
  bool okWhileEmpty = true, okAfterOne = false, okAtOpening = false;
  script.onModal([&](ui::Window& w, ui::UserDriver& user) {
    ui::Control& field = *w.content().findNamed("CustomColor");
    okAtOpening = w.defaultButton()->enabled();
    user.select(field, {0, field.text().size()});
    user.type(field, "\b");
    okWhileEmpty = w.defaultButton()->enabled();
    user.type(field, "S");
    okAfterOne = w.defaultButton()->enabled();
    user.type(field, "ea");
    user.pressReturn(w);
  });
  ASSERT_TRUE(TakeAnswer(RunModalCustomStockColorSetup(bundle, stock), stock));
  EXPECT_TRUE(okAtOpening);
  EXPECT_FALSE(okWhileEmpty);
  EXPECT_TRUE(okAfterOne);
  EXPECT_EQ(stock.customColor(), "Sea");
}

TEST_F(CustomStockDialogs, ANewTypeOpensWithOKDisabledAndCancelKeepsTheStock) {
  stock.setCustomType("Kraft");
  Stock before = stock;
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    user.type(*w.content().findNamed("CustomType"), "ed");
    user.pressEscape(w);
  });
  EXPECT_FALSE(TakeAnswer(RunModalCustomStockTypeSetup(bundle, stock), stock));
  EXPECT_EQ(stock, before);

  Stock fresh;
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_FALSE(w.defaultButton()->enabled());
    user.pressReturn(w);  // refused: nothing to name
    EXPECT_FALSE(w.modalResult());
    user.pressEscape(w);
  });
  EXPECT_FALSE(RunModalCustomStockTypeSetup(bundle, fresh).record);
}

}  // namespace
