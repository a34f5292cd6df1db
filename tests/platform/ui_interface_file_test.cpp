// Interface descriptions: what loads, and what is refused with a "!!" line.
#include <gtest/gtest.h>

#include "platform/ui/help_tag.h"
#include "platform/ui/interface_file.h"

namespace {

using namespace platform::ui;

// Building windows from the bundle's own descriptions is what every panel and dialog test does.
TEST(InterfaceFile, ReferencesInValuesAreDecodedAndFaultsNameTheElementsLine) {
  auto window = CreateWindowFromInterfaceText(
      "<interface><window name='Dialog' title='R&amp;D &#x41;&#10;&lt;b&gt; &quot;q&quot;' width='1' height='1'>"
      "<control kind='picture' signature='KPDE' id='1' x='0' y='0' width='1' height='1' help-tag='Why &amp; how'/>"
      "<control kind='picture' signature='KPDE' id='2' x='0' y='0' width='1' height='1'/></window></interface>",
      "R.interface.xml", "Dialog", nullptr);
  ASSERT_TRUE(window) << window.error();
  EXPECT_EQ((*window)->title(), "R&D A\n<b> \"q\"");
  const Control* tagged = (*window)->find({platform::FourCharCode("KPDE"), 1});
  const Control* plain = (*window)->find({platform::FourCharCode("KPDE"), 2});
  ASSERT_TRUE(tagged != nullptr && plain != nullptr);
  EXPECT_TRUE(HelpTagOf(*tagged) != nullptr && *HelpTagOf(*tagged) == "Why & how");
  EXPECT_EQ(HelpTagOf(*plain), nullptr);
  testing::internal::CaptureStderr();
  auto bad = CreateWindowFromInterfaceText(
      "<interface>\n<window name='Dialog' width='1' height='1'>\n\n<control kind='popup'\n id='x'/>"
      "</window></interface>",
      "R.interface.xml", "Dialog", nullptr);
  testing::internal::GetCapturedStderr();
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error(), "R.interface.xml: line 5: <control>: attribute id is not an integer: \"x\"");
}

TEST(InterfaceFile, FaultsAreNamedOnOneLineAndNothingIsBuilt) {
  struct Case {
    const char* xml;
    const char* expect;
  };
  const Case cases[] = {
      {"<interface><window name='Dialog' width='1' height='1'>", "not a well-formed"},
      {"<panel/>", "root element"},
      {"<interface/>", "no <window name=\"Dialog\">"},
      {"<interface><window name='Dialog' width='1' height='1'><control kind='knob'/></window></interface>",
       "unknown control kind \"knob\""},
      {"<interface><window name='Dialog' width='x' height='1'/></interface>", "width is not an integer"},
      {"<interface><window name='Dialog' width='1' height='1'><control kind='popup' signature='TOOLONG'/>"
       "</window></interface>",
       "signature must be four characters"},
      {"<interface><window name='Dialog' width='1' height='1'><control kind='popup'><menu><entry/></menu>"
       "</control></window></interface>",
       "<entry>"},
      {"<!DOCTYPE interface [<!ENTITY x 'boom'>]><interface><window name='Dialog' width='1' height='1' "
       "title='&x;'/></interface>",
       "DOCTYPE"},
  };
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    auto window = CreateWindowFromInterfaceText(c.xml, "Bad.interface.xml", "Dialog", nullptr);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(window) << c.xml;
    EXPECT_NE(window.error().find(c.expect), std::string::npos) << window.error();
    EXPECT_EQ(log.rfind("!! Bad.interface.xml", 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
  }
}

}  // namespace
