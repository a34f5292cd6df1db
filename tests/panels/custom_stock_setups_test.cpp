// The custom colour and type set-ups answered as a user would: OK waits for a name, the name
// goes into the stock only on OK, and a set-up that cannot be shown answers Cancel.
#include <gtest/gtest.h>

#include <filesystem>

#include "panels/custom_stock_dialogs.h"
#include "panels/modal_dialog.h"
#include "platform/bundle/bundle.h"
#include "platform/ui/scripted_interaction.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

class CustomStockSetups : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(opened);
    bundle = *opened;
  }
  ui::ScriptedInteraction script;
  platform::Bundle* bundle = nullptr;
  Stock stock;
  std::int16_t result = 0;
};

TEST_F(CustomStockSetups, AnEmptyNameDisablesOKAndOneCharacterEnablesIt) {
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
  ASSERT_EQ(RunModalCustomStockColorSetup(bundle, &stock, &result), platform::noErr);
  EXPECT_TRUE(okAtOpening);
  EXPECT_FALSE(okWhileEmpty);
  EXPECT_TRUE(okAfterOne);
  EXPECT_EQ(result, kStockSetupOK);
  EXPECT_EQ(stock.customColor(), "Sea");
}

TEST_F(CustomStockSetups, ANewTypeOpensWithOKDisabledAndCancelKeepsTheStock) {
  stock.setCustomType("Kraft");
  Stock before = stock;
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    user.type(*w.content().findNamed("CustomType"), "ed");
    user.pressEscape(w);
  });
  ASSERT_EQ(RunModalCustomStockTypeSetup(bundle, &stock, &result), platform::noErr);
  EXPECT_EQ(result, kStockSetupCancel);
  EXPECT_EQ(stock, before);

  Stock fresh;
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_FALSE(w.defaultButton()->enabled());
    user.pressReturn(w);  // refused: nothing to name
    EXPECT_FALSE(w.modalResult());
    user.pressEscape(w);
  });
  RunModalCustomStockTypeSetup(bundle, &fresh, &result);
  EXPECT_EQ(result, kStockSetupCancel);
}

TEST_F(CustomStockSetups, WithoutItsInterfaceDescriptionASetUpAnswersCancel) {
  korvo_test::TempDir dir;
  const std::filesystem::path copy = std::filesystem::path(dir.path()) / "Copy.plugin";
  std::filesystem::copy(korvo_test::BundlePath(), copy, std::filesystem::copy_options::recursive);
  std::filesystem::remove(copy / "Contents/Resources/CustomStockColorSetup.interface.xml");
  // A bundle of its own name: bundles are known by their identifiers.
  const std::string info = (copy / "Contents/Info.plist").string();
  std::string plist = korvo_test::ReadFile(info);
  const std::string identifier = "com.korvo.print.pde.korvofeatures";
  ASSERT_NE(plist.find(identifier), std::string::npos);
  plist.replace(plist.find(identifier), identifier.size(), "com.korvo.test.damaged");
  korvo_test::WriteFile(info, plist);
  auto damaged = platform::Bundle::open(copy.string());
  ASSERT_TRUE(damaged);
  result = kStockSetupOK;
  stock.setCustomColor("Sky");
  EXPECT_EQ(RunModalCustomStockColorSetup(*damaged, &stock, &result), kDialogNotLoadedErr);
  EXPECT_EQ(result, kStockSetupCancel);
  EXPECT_EQ(stock.customColor(), "Sky");
  EXPECT_TRUE(script.log().empty());
}

}  // namespace
