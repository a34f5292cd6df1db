// Interface descriptions: what loads, and what is refused with a "!!" line.
#include <gtest/gtest.h>

#include "platform/ui/interface_file.h"

namespace {

using namespace platform::ui;
using platform::FourCharCode;

constexpr const char* kDialog = R"(<?xml version="1.0" encoding="UTF-8"?>
<interface>
  <window name="Other" width="10" height="10"/>
  <window name="Dialog" title="Pads" width="300" height="200">
    <control kind="user-pane" signature="Kpad" id="1" x="5" y="5" width="290" height="150">
      <control kind="popup" signature="Kpad" id="2" x="10" y="10" width="120" height="20" maximum="3" value="2">
        <menu>
          <item text="None" ref="1"/>
          <item separator="true"/>
          <item text="More" enabled="false"><menu><item text="Deep" command="DEEP"/></menu></item>
        </menu>
      </control>
      <control kind="edit-text" signature="Kpad" id="3" x="10" y="40" width="60" height="20" text="12"/>
      <control kind="data-browser" signature="Kpad" id="4" x="10" y="70" width="200" height="60">
        <column property="1" title="Page" width="60"/>
      </control>
    </control>
    <control kind="push-button" signature="Kpad" id="5" x="200" y="170" width="80" height="20" title="OK"
             command="ok  " default="true"/>
    <control kind="push-button" signature="Kpad" id="6" x="100" y="170" width="80" height="20" title="Cancel"
             visible="false" cancel="true"/>
  </window>
</interface>)";

TEST(InterfaceFile, BuildsTheNamedWindowWithItsTree) {
  auto window = CreateWindowFromInterfaceText(kDialog, "Pads.interface.xml", "Dialog", nullptr);
  ASSERT_TRUE(window) << window.error();
  Window& w = **window;
  EXPECT_EQ(w.title(), "Pads");
  EXPECT_EQ(w.bounds(), (Rect{0, 0, 300, 200}));
  Control* popup = w.find({FourCharCode("Kpad"), 2});
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->kind(), ControlKind::PopupButton);
  EXPECT_EQ(popup->parent()->id().id, 1);
  EXPECT_EQ(popup->value(), 2);
  ASSERT_EQ(popup->menu().count(), 3);
  EXPECT_EQ(popup->menu().item(1)->refValue, 1);
  EXPECT_TRUE(popup->menu().item(2)->separator);
  EXPECT_FALSE(popup->menu().item(3)->enabled);
  EXPECT_EQ(popup->menu().item(3)->submenu->item(1)->command, FourCharCode("DEEP"));
  EXPECT_EQ(w.find({FourCharCode("Kpad"), 3})->text(), "12");
  EXPECT_EQ(w.find({FourCharCode("Kpad"), 4})->dataBrowser().columns().at(0).title, "Page");
  EXPECT_EQ(w.defaultButton()->title(), "OK");
  EXPECT_EQ(w.defaultButton()->command(), FourCharCode("ok  "));
  EXPECT_FALSE(w.cancelButton()->visible());
  EXPECT_EQ(popup->window(), &w);
}

TEST(InterfaceFile, ReferencesInValuesAreDecodedAndFaultsNameTheElementsLine) {
  auto window = CreateWindowFromInterfaceText(
      "<interface><window name='Dialog' title='R&amp;D &#x41;&#10;&lt;b&gt; &quot;q&quot;' width='1' height='1'/>"
      "</interface>",
      "R.interface.xml", "Dialog", nullptr);
  ASSERT_TRUE(window) << window.error();
  EXPECT_EQ((*window)->title(), "R&D A\n<b> \"q\"");
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
