// The Paper/Output panel's saved job, pads, paper set-ups and stock library through korvo-pde set,
// as a print room types them: what show and export then hold, and a refused choice that leaves
// the session file byte for byte as it was.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::ExpectHas;
using host_test::Has;
using host_test::RunPde;

class PaperOutputDialogsSet : public host_test::SessionTest {
 protected:
  int Set(const std::string& steps, std::string* out) { return host_test::RunSet(session, {steps}, out); }
  // The job ticket export writes, once xmllint has accepted it.
  std::string Export() {
    std::string out;
    const std::string xml = dir.file("j.xml");
    EXPECT_EQ(RunPde("export --session " + session + " -o " + xml, &out), 0) << out;
    EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + xml + " 2>&1", &out), 0) << out;
    return korvo_test::ReadFile(xml);
  }
  void ExpectRefused(const std::string& steps) { host_test::ExpectRefused(session, {steps}); }
  // The steps end well and leave the session file byte for byte as it was.
  void ExpectUnchangedBy(const std::string& steps) {
    const std::string before = korvo_test::ReadFile(session);
    std::string out;
    EXPECT_EQ(Set(steps, &out), 0) << steps << "\n" << out;
    EXPECT_EQ(korvo_test::ReadFile(session), before) << steps;
  }
};

TEST_F(PaperOutputDialogsSet, ASecureSavedJobIsShownAndExportedAndAMismatchChangesNothing) {
  std::string out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  ExpectRefused("JobType=Saved Job>Save and Print>SavedJobName=Report>SecureJob=on>Passcode=4821>"
                "ConfirmPasscode=4822");
  ASSERT_EQ(Set("JobType=Saved Job>Save and Print>SavedJobName=Report>SecureJob=on>Passcode=4821>"
                "ConfirmPasscode=4821",
                &out),
            0)
      << out;
  EXPECT_FALSE(Has(out, "Values restored.")) << out;
  ExpectHas(out, {"\"JobType\" = 3", "\"SaveDisposition\" = 2", "\"SavedJobName\" = \"Report\"",
                  "\"SecurePrintPassword\" = \"4821\"", "\"UseJobName\" = false"});
  ExpectHas(Export(), {"print-save", ">Report</save-name>"});

  // Cancel in the set-up, reached through its button, changes nothing; nor does cancelling the
  // set-up that choosing the job type opens.
  ExpectUnchangedBy("JobTypeSetup=click>SecureJob=off>Cancel");
  ASSERT_EQ(Set("JobType=Normal Print", &out), 0) << out;
  ExpectUnchangedBy("JobType=Saved Job>Cancel");
  // A secure job whose passcode is emptied gets a new one, printed as a note.
  ASSERT_EQ(host_test::RunSet(session, {"JobType=Saved Job>Passcode="}, &out, true), 0) << out;
  EXPECT_TRUE(out.starts_with("NOTE: ") && Has(out, "Your passcode is ")) << out;
}

TEST_F(PaperOutputDialogsSet, PadsAreSetWithTheirNoteAndTooManyPadsChangeNothing) {
  std::string out, err;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  ExpectRefused("Finishing=Pads...>Enabled>NumberOfPads=501>PagesPerPad=50");
  ASSERT_EQ(RunPde("set --session " + session +
                       " 'Finishing=Pads...>Enabled>NumberOfPads=10>PagesPerPad=50>Blank Back Cover' 2>" +
                       dir.file("err"),
                   &out),
            0)
      << out;
  err = korvo_test::ReadFile(dir.file("err"));
  EXPECT_TRUE(err.starts_with("NOTE: ") && Has(err, "500")) << err;
  ExpectHas(out, {"com.korvo.print.NoOfPads = 10\n", "com.korvo.print.PagesPerPads = 50\n",
                  "com.korvo.print.PadBackCover = \"Blank Back Cover\"\n",
                  "com.apple.print.PrintSettings.PMCopyCollate = false\n"});
  ExpectHas(Export(), {"<pad-printing syntax=\"collection\">", "pads-single-back-cover"});

  // Turned off in a later run, pads take their entries with them, whether by Disabled or by
  // Cancel in the dialog.
  for (const char* off : {"Finishing=Pads...>Disabled", "Finishing=Pads...>Enabled>NumberOfPads=12>Cancel"}) {
    SCOPED_TRACE(off);
    ASSERT_EQ(Set(off, &out), 0) << out;
    for (const char* key : {"NoOfPads", "PagesPerPads", "PadBackCover", "PadLevelStock", "PMCopyCollate"})
      EXPECT_FALSE(Has(out, key)) << out;
    EXPECT_TRUE(Has(out, "\"PadEnable\" = false")) << out;
    EXPECT_FALSE(Has(Export(), "pad-printing"));
    ASSERT_EQ(Set("Finishing=Pads...>Enabled>NumberOfPads=10>PagesPerPad=50", &out), 0) << out;
  }
}

TEST_F(PaperOutputDialogsSet, ACustomColorADescriptionAndCoatingAreSet) {
  std::string out;
  ASSERT_EQ(Set("Paper=Color>Custom Color...>CustomColor=Sky", &out), 0) << out;
  EXPECT_TRUE(Has(out, "\"Color\" = 10") && Has(out, "\"CustomColor\" = \"Sky\"")) << out;
  ExpectRefused("Paper=Color>Custom Color...>CustomColor=");
  ASSERT_EQ(Set("Paper=Advanced Paper Selection...>Description=Custom...>PaperDescription=Recycled 30%>OK>"
                "SidesCoated=Both Sides Coated>CoatingType=Matte",
                &out),
            0)
      << out;
  EXPECT_TRUE(Has(out, "\"Description\" = \"Recycled 30%\"") && Has(out, "\"SidesCoated\" = 3")) << out;
}

TEST_F(PaperOutputDialogsSet, ALibraryPaperIsAddedChosenEditedReplacedAndDeletedAndOtherKeysSurvive) {
  const std::string library = home.dir().file("config/com.korvo.print.stocklibrary");
  // The entries, "count name weight ...", and the dialog settings someone else keeps in the file.
  auto entries = [&] {
    std::string out;
    EXPECT_EQ(host_test::RunPython("d = plistlib.load(open(sys.argv[1], \"rb\")); "
                                   "e = d[\"com.korvo.print.StockLibrary.StockList\"].values(); "
                                   "print(len(e), *[s[\"Stock\"][\"CustomName\"] + \" \" + "
                                   "str(s[\"Stock\"].get(\"Weight\")) for s in e], "
                                   "d[\"com.korvo.print.StockLibrary.SelectedRow\"])",
                                   library, &out),
              0)
        << out;
    return out;
  };
  std::string out;
  ASSERT_EQ(host_test::RunPython("plistlib.dump({\"com.korvo.print.StockLibrary.SelectedRow\": 3}, "
                                 "open(sys.argv[1], \"wb\"))",
                                 library, &out),
            0)
      << out;
  ASSERT_EQ(Set("Paper=Stock Library...>Add...>PaperName=Gloss 120>PaperWeight=120>SidesCoated=Both Sides Coated>OK>"
                "Cancel",
                &out),
            0)
      << out;
  EXPECT_EQ(entries(), "1 Gloss 120 120 3\n");

  ASSERT_EQ(Set("Paper=Stock Library...>Gloss 120", &out), 0) << out;  // a new session
  EXPECT_TRUE(Has(out, "\"CustomName\" = \"Gloss 120\"")) << out;
  ASSERT_EQ(Set("Paper=Stock Library...>Gloss 120>Edit...>PaperWeight=140>OK>Cancel", &out), 0) << out;
  EXPECT_EQ(entries(), "1 Gloss 120 140 3\n");
  // Another paper of the name in another case asks first; Replace leaves one entry of it.
  ExpectRefused("Paper=Stock Library...>Add...>PaperName=GLOSS 120>OK");
  ASSERT_EQ(Set("Paper=Stock Library...>Add...>PaperName=GLOSS 120>PaperWeight=250>OK>Replace>Cancel", &out), 0)
      << out;
  EXPECT_EQ(entries(), "1 GLOSS 120 250 3\n");
  ASSERT_EQ(Set("Paper=Stock Library...>GLOSS 120>Delete>Cancel>Cancel", &out), 0) << out;  // kept
  ASSERT_EQ(Set("Paper=Stock Library...>GLOSS 120>Delete>Delete>Cancel", &out), 0) << out;
  EXPECT_EQ(entries(), "0 3\n");
}

TEST_F(PaperOutputDialogsSet, EightLibraryAdditionsAtOnceAllSurvive) {
  const std::string pde = std::string(KORVO_BIN_DIR) + "/korvo-pde";
  // Each on a session of its own, so that only the library file's lock stands between them.
  std::string line = "(";
  for (int i = 1; i <= 8; ++i)
    line += pde + " set --session " + dir.file("s" + std::to_string(i) + ".plist") +
            " 'Paper=Stock Library...>Add...>PaperName=Paper " + std::to_string(i) + ">OK>Cancel' >/dev/null & ";
  std::string out;
  ASSERT_EQ(korvo_test::RunCommand(line + "wait)", &out, true), 0) << out;
  ASSERT_EQ(host_test::RunPython("d = plistlib.load(open(sys.argv[1], \"rb\")); "
                                 "print(*sorted(s[\"Stock\"][\"CustomName\"] for s in "
                                 "d[\"com.korvo.print.StockLibrary.StockList\"].values()))",
                                 home.dir().file("config/com.korvo.print.stocklibrary"), &out),
            0)
      << out;
  EXPECT_EQ(out, "Paper 1 Paper 2 Paper 3 Paper 4 Paper 5 Paper 6 Paper 7 Paper 8\n");

  // Eight choices at once: each paper joins the stock menus' recent list, none replaces another's.
  line = "(";
  for (int i = 1; i <= 8; ++i)
    line += pde + " set --session " + dir.file("s" + std::to_string(i) + ".plist") +
            " 'Paper=Stock Library...>Paper " + std::to_string(i) + "' >/dev/null & ";
  ASSERT_EQ(korvo_test::RunCommand(line + "wait)", &out, true), 0) << out;
  ASSERT_EQ(host_test::RunPython("d = plistlib.load(open(sys.argv[1], \"rb\")); l = d[\"com.korvo.print.StockLibrary.StockList\"]; "
                                 "print(*sorted(l[u][\"Stock\"][\"CustomName\"] for u in "
                                 "d[\"com.korvo.print.StockLibrary.StockMenuList\"]))",
                                 home.dir().file("config/com.korvo.print.stocklibrary"), &out),
            0)
      << out;
  EXPECT_EQ(out, "Paper 1 Paper 2 Paper 3 Paper 4 Paper 5 Paper 6 Paper 7 Paper 8\n");
}

}  // namespace
