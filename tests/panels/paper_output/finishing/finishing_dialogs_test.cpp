// Every finishing dialog, opened from the finishing menu and answered as a user would: what OK
// stores and the papers and lengths each refuses. (Cancel in each is korvo-pde set's to check,
// byte for byte.) The pictures the panel then shows keep every staple and hole on the sheet.
#include <gtest/gtest.h>

#include <cstring>

#include "kit/control_helpers.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/drawing/drawing_libraries.h"
#include "platform/drawing/picture_file.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;
using korvo_test::Titled;

// A modal step that clicks the controls titled so, in order, then presses Return (OK).
ui::ScriptedInteraction::ModalStep Click(std::vector<std::string> titles, bool ok = true) {
  return [titles, ok](ui::Window& window, ui::UserDriver& user) {
    for (const std::string& title : titles) {
      ui::Control* control = Titled(window.content(), title);
      ASSERT_NE(control, nullptr) << title << " in " << window.title();
      EXPECT_EQ(user.click(*control), platform::noErr) << title;
    }
    ok ? user.pressReturn(window) : user.pressEscape(window);
  };
}

ui::Control& Find(ui::Window& window, std::int32_t id) { return *window.find({kFinishingSignature, id}); }

class FinishingDialogs : public korvo_test::DialogTest {
 protected:
  PluginDialog dialog{session};
  FinishingState& f() { return dialog.panel().finishing; }
  // Opens the menu item with the script as it is, and expects every step used.
  void Choose(const std::string& item) {
    EXPECT_EQ(dialog.choose("Finishing", item), platform::noErr) << item;
    EXPECT_TRUE(script.scriptUsedUp()) << item;
  }
};

// Every dialog that picks one position keeps only its own finishing: staples, punches, binding,
// folds, square fold and trimming chosen before are cleared. A half-sheet Z fold clears only the
// staples, a coil punch none of them.
TEST_F(FinishingDialogs, EachPositionDialogStoresItsPositionAndClearsEveryOtherFinishing) {
  using Field = std::int32_t FinishingState::*;
  static constexpr Field positions[] = {&FinishingState::staple1, &FinishingState::staple2,
                                        &FinishingState::stapleCenter, &FinishingState::bind,
                                        &FinishingState::holePunchValue, &FinishingState::fold,
                                        &FinishingState::zFold};
  const auto bindSide = [](ui::Window& window, ui::UserDriver& user) {
    user.chooseItem(Find(window, 16), 2);
    user.pressReturn(window);
  };
  const struct {
    const char* item;  // null: the plain fold dialog, which this printer's menu offers as the advanced one
    ui::ScriptedInteraction::ModalStep step;
    Field field;
    std::int32_t value, code;
    const char* picture;  // what the panel's finishing picture then shows, when checked
    std::size_t cleared = 7;  // how many of the seven positions, from the first, go
  } cases[] = {
      {"1 Staple...", Click({"Portrait - Bottom Right or Landscape - Bottom Left"}), &FinishingState::staple1, 8, 4,
       "/ProductionFinishing_1St_BRBL.png"},
      {"2 Staples...", Click({"Portrait - Top or Landscape - Right"}), &FinishingState::staple2, 11, 9, nullptr},
      {"Center Staple...", Click({"Portrait - Right or Landscape - Bottom"}), &FinishingState::stapleCenter, 29, 25,
       nullptr},
      {"Bind...", Click({"Portrait - Right or Landscape - Bottom"}), &FinishingState::bind, 16, 14, nullptr},
      {"4 Hole Punch...", Click({"Portrait - Bottom or Landscape - Left"}), &FinishingState::holePunchValue, 34, 30,
       nullptr},
      {nullptr, Click({"Z Tri-Fold"}), &FinishingState::fold, 20, 18, nullptr},
      {"Z Fold Half Sheet...", bindSide, &FinishingState::zFold, 39, 36, nullptr, 3},
      {"Coil Punch...", Click({"Portrait - Right or Landscape - Bottom"}), &FinishingState::coil, 257, 58, nullptr, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item ? c.item : "Fold");
    std::int32_t dirty = 5;
    for (Field field : positions) f().*field = dirty++;
    f().squareFoldOn = f().trimOn = true;
    script.onModal(c.step);
    if (c.item != nullptr) {
      Choose(c.item);
    } else {
      EXPECT_TRUE(TakeAnswer(RunModalPositionFinishingDialog(dialog.panel(), PositionFinishing::Fold), f()));
    }
    EXPECT_EQ(f().code, c.code);
    for (std::size_t i = 0; i < std::size(positions); ++i)
      EXPECT_EQ(f().*positions[i], positions[i] == c.field ? c.value : i < c.cleared ? 0 : 5 + std::int32_t(i)) << i;
    EXPECT_EQ(f().*c.field, c.value);
    EXPECT_FALSE(f().squareFoldOn || f().trimOn);
    if (c.field == &FinishingState::holePunchValue) {
      EXPECT_EQ(f().holePunchOptions, 5);
    }
    if (c.picture != nullptr) {
      const std::vector<DrawnImage> drawn =
          ImagesDrawnIn(*dialog.window().content().find({platform::FourCharCode("PpOu"), 33}));
      ASSERT_EQ(drawn.size(), 1u);
      EXPECT_TRUE(drawn[0].path.ends_with(c.picture)) << drawn[0].path;
    }
  }
}

// A square fold made in the fold dialog is taken only on the fold dialog's OK; a C or Z fold
// cannot be square folded or trimmed at all.
TEST_F(FinishingDialogs, AdvancedFoldTakesTheSquareFoldMadeInItOnlyOnOK) {
  f().offsetSubsets = 1;
  f().offset = 4;
  f().staple1 = 5;
  // The square fold dialog opens from inside the fold dialog; its step runs while the fold
  // dialog's step waits, and the fold dialog's OK follows.
  script.onModal(Click({"Bi-Fold Multiple, Print Inside", "Square Fold"}));
  script.onModal(Click({"Square Fold", "Less Square"}));
  Choose("Fold...");
  EXPECT_EQ(f().code, 40);
  EXPECT_EQ(f().fold, 43);
  EXPECT_EQ(f().staple1, 0);
  EXPECT_TRUE(f().squareFoldOn);
  EXPECT_EQ(f().squareFoldValue, 66);
  EXPECT_EQ(f().offsetSubsets, 0);  // an advanced fold takes offset subsets off
  EXPECT_EQ(f().offset, 1);
  script.onModal(Click({"Square Fold"}, false));
  script.onModal(Click({"Normal"}));
  Choose("Fold...");
  EXPECT_EQ(f().squareFoldValue, 66);
  // Cancel in the square fold dialog turns square fold off at the normal level.
  script.onModal(Click({"Square Fold"}));
  script.onModal(Click({}, false));
  Choose("Fold...");
  EXPECT_FALSE(f().squareFoldOn);
  EXPECT_EQ(f().squareFoldValue, 64);

  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    user.click(*Titled(window.content(), "C Fold, Print Inside"));
    EXPECT_EQ(user.click(*Titled(window.content(), "Square Fold")), ui::kUserCannotReachErr);
    EXPECT_EQ(user.click(*Titled(window.content(), "Trim Outside Edge")), ui::kUserCannotReachErr);
    user.pressReturn(window);
  });
  Choose("Fold...");
  EXPECT_EQ(f().fold, 45);
  EXPECT_FALSE(f().squareFoldOn);
}

// A paper the trimmer or the coil punch cannot take is refused with its own alert before the
// dialog opens.
TEST_F(FinishingDialogs, SquareFoldAndTrimRefuseAPaperTheTrimmerCannotTake) {
  platform::PrintSession a5 = korvo_test::SessionOn(korvo_test::FinishersPPDPath(), "iso-a5", 595);
  FinishingState state;
  EXPECT_EQ(RunModalSquareFoldDialog(dialog.panel().bundle, &a5, state).status, ui::userCanceledErr);
  EXPECT_EQ(RunModalTrimOutsideEdgeDialog(dialog.panel().bundle, &a5, state).status, ui::userCanceledErr);
  dialog.panel().session = &a5;  // coil punching takes only A4 and Letter
  EXPECT_EQ(RunModalCoilPunchFinishingDialog(dialog.panel()).status, ui::userCanceledErr);
  dialog.panel().session = &session;
  ASSERT_EQ(script.alerts().size(), 3u);
  EXPECT_EQ(script.alerts()[0].title, "Square fold is not available for this paper size");
  EXPECT_TRUE(script.alerts()[0].message.ends_with("310 x 432mm, and 328 x 453mm."));
  EXPECT_EQ(script.alerts()[1].title, "Trimming is not available for this paper size");
  EXPECT_EQ(script.alerts()[0].level, ui::AlertLevel::Caution);
  EXPECT_TRUE(script.alerts()[2].message.ends_with("A4 and Letter."));
  EXPECT_EQ(state, FinishingState());
}

// Types text into the trim dialog's length field in place of what it holds, then presses Return.
ui::ScriptedInteraction::ModalStep TypeLength(std::string text, int unitItem = 1) {
  return [text, unitItem](ui::Window& window, ui::UserDriver& user) {
    user.chooseItem(Find(window, 10), unitItem);
    korvo_test::Retype(user, Find(window, 9), text);
    user.pressReturn(window);
  };
}

TEST_F(FinishingDialogs, TrimAcceptsOnlyLengthsWithinTheSheet) {
  // The bounds themselves pass. The ticket keeps whole millimetres, cut; one that would fall
  // below the range is the range's first, so the dialog accepts again what the ticket holds.
  const struct {
    const char* typed;
    double kept;
    std::int32_t whole;
  } bounds[] = {{"137.70", 137.70, 137}, {"119.70", 120, 120}};
  for (const auto& bound : bounds) {
    FinishingState state;
    script.onModal([](ui::Window& window, ui::UserDriver& user) { user.click(Find(window, 1)); });
    for (const char* refused : {"119.60", "137.80"}) script.onModal(TypeLength(refused));
    script.onModal(TypeLength("4.70", 2));
    script.onModal(TypeLength(bound.typed));
    EXPECT_TRUE(TakeAnswer(RunModalTrimOutsideEdgeDialog(dialog.panel().bundle, &session, state), state));
    EXPECT_TRUE(state.trimOn);
    EXPECT_DOUBLE_EQ(state.trimLength, bound.kept);
    EXPECT_EQ(state.trimUnit, kTrimUnitMillimetres);
    EXPECT_EQ(TrimLengthMillimetres(state), bound.whole);
    state.trimLength = bound.whole;  // as a later run reads it from the ticket
    script.onModal([](ui::Window& window, ui::UserDriver& user) { user.pressReturn(window); });
    EXPECT_TRUE(TakeAnswer(RunModalTrimOutsideEdgeDialog(dialog.panel().bundle, &session, state), state));
  }
  ASSERT_EQ(script.alerts().size(), 6u);
  EXPECT_EQ(script.alerts()[0].title, "Invalid trimmed length");
  EXPECT_EQ(script.alerts()[0].message, "119.70 - 137.70");
  EXPECT_EQ(script.alerts()[2].message, "4.71 - 5.42");
}

TEST_F(FinishingDialogs, CustomTextIsKeptAsTypedAndCutAtThirtyCharacters) {
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    user.type(Find(window, 17), "Glue %@ and %d then 100% STRING more text");
    user.pressReturn(window);
  });
  Choose("Custom...");
  EXPECT_EQ(f().code, 22);
  EXPECT_EQ(f().custom, "Glue %@ and %d then 100% STRIN");
  EXPECT_EQ(dialog.window().content().find({platform::FourCharCode("PpOu"), 32})->text().substr(0, 38),
            "Custom: Glue %@ and %d then 100% STRIN");
}

// Offset with subsets after a booklet fold gives up the fold.
TEST_F(FinishingDialogs, OffsetWithSubsetsStoresThePagesPerSubsetAndGivesUpABookletFold) {
  f().code = kFinishingBooklet;
  f().fold = 43;
  f().squareFoldOn = true;
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    EXPECT_FALSE(Find(window, 21).enabled());
    EXPECT_EQ(Find(window, 21).text(), "0");
    user.chooseItem(Find(window, 18), 4);
    user.click(Find(window, 19));
    korvo_test::Retype(user, Find(window, 21), "12");
    user.pressReturn(window);
  });
  Choose("Offset/Subset...");
  EXPECT_EQ(f().offsetSubsets, 1);  // the offset and pages stored are korvo-pde set's to check
  EXPECT_EQ(f().code, 0);
  EXPECT_EQ(f().fold, 1);
  EXPECT_FALSE(f().squareFoldOn);
}

TEST_F(FinishingDialogs, MultipleFinishingSharesOneEdge) {
  f().zFold = 39;
  auto choose = [](ui::Control& popup, const std::string& text, ui::UserDriver& user) {
    EXPECT_EQ(user.chooseItem(popup, popup.menu().findText(text)), platform::noErr) << text;
  };
  auto step = [&](bool zFold) {
    return [choose, zFold](ui::Window& window, ui::UserDriver& user) {
      // Without staples the staple location says so, disabled, until a staple kind is chosen.
      ui::Control& location = Find(window, 12);
      if (Find(window, 11).value() == 1) {
        EXPECT_TRUE(!location.enabled() && location.value() == 1 && location.menu().findText("None") == 1);
      }
      choose(Find(window, 11), "2 Staples", user);
      choose(Find(window, 12), "Portrait - Top or Landscape - Right", user);
      choose(Find(window, 13), "3 Hole Punch", user);
      if (zFold && Find(window, 15).value() == 0) user.click(Find(window, 15));
      user.pressReturn(window);
    };
  };
  script.onModal(step(false));
  Choose("Multiple Finishing...");
  EXPECT_EQ(f().code, 49);
  EXPECT_EQ(f().staple2, 11);
  EXPECT_EQ(f().holePunchValue, 33);
  EXPECT_EQ(f().holePunchOptions, 4);
  script.onModal(step(true));
  Choose("Multiple Finishing...");
  EXPECT_EQ(f().code, 50);
  EXPECT_EQ(f().zFold, 39);  // the top edge is neither left nor right
  // Nor does it give a z-fold that had no side one.
  f().zFold = 0;
  script.onModal(step(true));
  Choose("Multiple Finishing...");
  EXPECT_EQ(f().zFold, 0);
}

TEST(FinishingDialogsElsewhere, OneStapleWithoutTheBottomRightCornerOffersThree) {
  korvo_test::ScopedXdgHome home;
  ui::ScriptedInteraction script;
  korvo_test::TempDir dir;
  std::string ppd = korvo_test::ReadFile(korvo_test::FinishersPPDPath());
  ppd.replace(ppd.find("*DefaultOption1: CSS"), 20, "*DefaultOption1: HCSCSS\n*Option1 HCSCSS/Both: \"\"");
  korvo_test::WriteFile(dir.file("hcscss.ppd"), ppd);
  platform::PrintSession other = korvo_test::SessionOn(dir.file("hcscss.ppd"));
  other.ticket(platform::kPDE_PMPrintSettingsRef)->set("com.korvo.print.FinishingStaple1Value", 8, "K");
  script.onModal([&](ui::Window& window, ui::UserDriver& user) {
    EXPECT_EQ(Find(window, 1).children().size(), 3u);
    EXPECT_EQ(Find(window, 1).value(), 1);
    user.pressReturn(window);
  });
  PluginDialog dialog(other);
  EXPECT_EQ(dialog.choose("Finishing", "1 Staple..."), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
  EXPECT_EQ(dialog.panel().finishing.staple1, 5);
}

// The staples and holes of the finishing pictures lie on the sheet the picture script draws.
TEST(FinishingPictures, EveryStapleAndHoleLiesOnTheSheet) {
  constexpr int kLeft = 12, kTop = 6, kRight = 35, kBottom = 41;  // of 48 x 48 pixels
  for (const char* mark : {"2St", "CtSt", "2Hp", "3Hp", "4Hp"}) {
    for (const char* edge : {"LT", "TR", "BL", "RB"}) {
      const std::string name = std::string("ProductionFinishing_") + mark + "_" + edge + ".png";
      std::string error;
      const platform::CairoSurface picture =
          platform::LoadPictureFile(std::string(KORVO_SOURCE_DIR) + "/resources/" + name, &error);
      ASSERT_TRUE(picture) << error;
      cairo_surface_flush(picture.get());
      const unsigned char* data = cairo_image_surface_get_data(picture.get());
      int outside = 0;
      for (int y = 0; y < cairo_image_surface_get_height(picture.get()); ++y)
        for (int x = 0; x < cairo_image_surface_get_width(picture.get()); ++x) {
          std::uint32_t pixel = 0;
          std::memcpy(&pixel, data + y * cairo_image_surface_get_stride(picture.get()) + x * 4, sizeof pixel);
          if ((pixel >> 24) != 0 && (x < kLeft || x > kRight || y < kTop || y > kBottom)) ++outside;
        }
      EXPECT_EQ(outside, 0) << name << ": pixels drawn off the sheet";
    }
  }
}

}  // namespace
