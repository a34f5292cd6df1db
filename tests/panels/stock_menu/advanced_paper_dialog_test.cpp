// The named paper form and the advanced paper selection answered as a user would: the size not
// offered for the job's own paper, the coating type following coated sides, Defaults resetting
// every attribute and the comment, and a name the library has asking before it is taken.
#include <gtest/gtest.h>

#include "panels/paper_output/paper_output_test_support.h"
#include "panels/stock_menu/advanced_paper_dialog.h"
#include "platform/bundle/bundle.h"
#include "platform/ui/scripted_interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace {

namespace ui = platform::ui;

using korvo_test::In;

void Choose(ui::UserDriver& user, ui::Control& popup, const std::string& text) {
  ASSERT_NE(popup.menu().findText(text), 0) << text;
  user.chooseItem(popup, popup.menu().findText(text));
}

class AdvancedPaperDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(opened);
    bundle = *opened;
  }
  korvo_test::ScopedXdgHome home;
  ui::ScriptedInteraction script;
  platform::Bundle* bundle = nullptr;
  Stock stock;
  bool replace = false;

  // The named paper form on the stock: true after OK, the stock and replace then as answered.
  bool Named(const NamedPaperRequest& request, JobContext context) {
    DialogAnswer<NamedPaper> answer = RunModalNamedPaperStockSelection(bundle, context, request, stock);
    if (!answer.record) return false;
    stock = answer.record->stock;
    replace = answer.record->replace;
    return true;
  }
};

TEST_F(AdvancedPaperDialog, SizeIsJobLevelOffAndCoatingFollowsCoatedSides) {
  stock.setSidesCoated(1);
  stock.setCoatingType(5);
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_FALSE(In(w, "PaperSize").enabled());
    EXPECT_FALSE(In(w, "CoatingType").enabled());
    Choose(user, In(w, "SidesCoated"), "Both Sides Coated");
    EXPECT_TRUE(In(w, "CoatingType").enabled());
    EXPECT_EQ(GetPopupButtonTicketValue(In(w, "CoatingType")), 5);  // the stock's own coating
    Choose(user, In(w, "Grain"), "Long Grain");
    user.pressReturn(w);
  });
  ASSERT_TRUE(TakeAnswer(RunModalAdvancedStockSelection(bundle, kJobContextJob, stock), stock));
  EXPECT_EQ(stock.sidesCoated(), 3);
  EXPECT_EQ(stock.grain(), 1);
}

TEST_F(AdvancedPaperDialog, DefaultsResetsEveryAttributeAndTheCommentButNotTheName) {
  stock.setCustomName("Gloss 120");
  stock.setComment("for covers");
  stock.setWeight(120);
  stock.setGrain(2);
  stock.setColor(2);
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_EQ(In(w, "Comment").text(), "for covers");
    user.click(*w.find({platform::FourCharCode("KPDE"), 4}));  // Defaults
    EXPECT_EQ(In(w, "Comment").text(), "");
    user.pressReturn(w);
  });
  NamedPaperRequest request;
  request.editing = true;
  ASSERT_TRUE(Named(request, kJobContextCover));
  Stock expected;
  DefaultStock(expected, kJobContextCover);
  expected.setCustomName("Gloss 120");
  EXPECT_EQ(stock, expected);
  EXPECT_EQ(stock.comment(), "");
}

TEST_F(AdvancedPaperDialog, ANameTakenInAnotherCaseAsksAndTheEditedPapersOwnNameDoesNot) {
  StockLibraryList library(true);
  StockLibrary entry;
  entry.stock().setCustomName("Gloss 120");
  library.add(&entry);
  NamedPaperRequest request;
  request.library = &library;
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_FALSE(w.defaultButton()->enabled());  // a new paper waits for its name
    user.type(In(w, "PaperName"), "GLOSS 120");
    user.pressReturn(w);  // asks; Cancel keeps the dialog open
    EXPECT_FALSE(w.modalResult());
    user.pressReturn(w);  // asks again; Replace
  });
  script.onAlert(2);
  script.onAlert(1);
  ASSERT_TRUE(Named(request, kJobContextJob));
  EXPECT_TRUE(replace);
  EXPECT_EQ(script.alerts().size(), 2u);

  request.editing = true;
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    user.select(In(w, "PaperName"), {0, 9});
    user.type(In(w, "PaperName"), "gloss 120");
    user.pressReturn(w);
  });
  ASSERT_TRUE(Named(request, kJobContextJob));
  EXPECT_TRUE(replace);
  EXPECT_EQ(script.alerts().size(), 2u);  // no new question
  EXPECT_EQ(stock.customName(), "gloss 120");
}

}  // namespace
