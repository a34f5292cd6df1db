// The toolkit's clipboard without a window system: what is copied is kept, and a scripted
// interaction records each copy as a person's log would show it.
#include <gtest/gtest.h>

#include "platform/ui/interaction.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;

TEST(UIClipboard, KeepsTheLastTextCopiedAndTheScriptRecordsEachCopy) {
  ui::ScriptedInteraction script;
  EXPECT_EQ(ui::ClipboardText(), std::nullopt);
  ui::SetClipboardText("first");
  ui::SetClipboardText("Stapling: 1 Staple\nPaper: Blue");
  EXPECT_EQ(ui::ClipboardText(), "Stapling: 1 Staple\nPaper: Blue");
  EXPECT_EQ(script.log(), (std::vector<std::string>{"copy: first", "copy: Stapling: 1 Staple\nPaper: Blue"}));
}

}  // namespace
