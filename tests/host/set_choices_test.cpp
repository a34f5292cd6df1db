// korvo-pde set on every panel and its dialogs, as a print room scripts it: what the ticket then
// lists, what the job ticket export writes (and xmllint accepts), the notes on stderr, and the
// files the stock library and the watermark editor keep, as Python's plistlib reads them.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::ExpectHas;
using host_test::Has;
using host_test::Python;
using host_test::RunPde;
using host_test::RunSet;

class SetChoices : public host_test::SessionTest {};

// One run of set. Each row has a session of its own, or with again the one of the row before.
struct Row {
  std::vector<std::string> settings;
  std::vector<std::string> listed = {};    // in what set prints
  std::vector<std::string> exported = {};  // in the job ticket export writes then
  std::vector<std::string> absent = {};    // in neither
  std::string noted = "";                  // in the NOTE on stderr; stderr is empty when none
  bool again = false;
  bool unchanged = false;             // the session file stays byte for byte as it was
};

TEST_F(SetChoices, EachPanelsChoicesReachTheTicketAndTheJobTicket) {
  std::string login;
  ASSERT_EQ(korvo_test::RunCommand("id -un", &login), 0);
  login.pop_back();
  // A new job's paper is plain and unpunched.
  const std::string stapled =
      "com.korvo.print.JobLevelStock = {\"Color\" = 2; \"Punched\" = 1; \"Type\" = -2147483648}\n";
  const std::string secure =
      "JobType=Saved Job>Save and Print>SavedJobName=Report>SavedJobFolder=Q3 reports>JobFormat=Fast Reprint>"
      "SecureJob=on>Passcode=4821>ConfirmPasscode=4821";
  const std::vector<std::string> kNoPads = {"NoOfPads", "PagesPerPads", "PadBackCover", "PadLevelStock",
                                            "PMCopyCollate", "pad-printing"};
  std::string longPageList = "1";
  for (int page = 3; page < 400; page += 2) longPageList += "," + std::to_string(page);
  const Row rows[] = {
      {{"Paper=Color>Blue", "Finishing=1 Staple...>Portrait - Bottom Left or Landscape - Top Left",
        "TwoSided=Two-Sided (Short Edge)"},
       {"com.korvo.print.FinishingOptions = 4\n", "com.korvo.print.FinishingStaple1Value = 6\n",
        "com.korvo.print.FinishingDuplex = 3\n", stapled, "com.apple.print.PrintSettings.PMDuplexing = 3\n",
        "com.apple.print.ticket.PPDDict = {\"Duplex\" = \"DuplexTumble\""}},
      {{"Finishing=None"}, {"com.korvo.print.FinishingOptions = 1\n", stapled}, {}, {}, "", true},
      {{"Finishing=Printer Default"}, {"com.korvo.print.FinishingOptions = 0\n"}, {}, {}, "", true},
      // The least weight a paper of the user's own may have is sixty.
      {{"Paper=Weight>Custom...>Weight=60"}, {"\"Weight\" = 60"}, {}, {}, "", true},
      {{"Paper=Color>Custom Color...>CustomColor=Sky",
        "Paper=Advanced Paper Selection...>Description=Custom...>PaperDescription=Recycled 30%>OK>"
        "SidesCoated=Both Sides Coated>CoatingType=Matte"},
       {"\"Color\" = 10", "\"CustomColor\" = \"Sky\"", "\"Description\" = \"Recycled 30%\"", "\"SidesCoated\" = 3"}},
      {{secure},
       {"\"JobType\" = 3", "\"SaveDisposition\" = 2", "\"SavedJobName\" = \"Report\"",
        "\"SecurePrintPassword\" = \"4821\"", "\"UseJobName\" = false", "\"MediaType\" = 4",
        "\"SavedJobLocation\" = \"file:///job-repository/Q3%20reports/\""},
       {"print-save", ">Report</save-name>"},
       {"Values restored."}},
      // A secure job whose passcode is emptied gets a new one, the dialog showing every other value
      // as it was stored; Cancel in the set-up changes nothing.
      {{"JobType=Saved Job>Passcode="}, {"\"SavedJobName\" = \"Report\"", "\"MediaType\" = 4", "Q3%20reports/"}, {}, {},
       "Your passcode is ", true},
      {{"JobTypeSetup=click>SecureJob=off>Cancel"}, {}, {}, {}, "", true, true},
      {{"Finishing=Pads...>Enabled>NumberOfPads=10>PagesPerPad=50>Blank Back Cover"},
       {"com.korvo.print.NoOfPads = 10\n", "com.korvo.print.PagesPerPads = 50\n",
        "com.korvo.print.PadBackCover = \"Blank Back Cover\"\n", "com.apple.print.PrintSettings.PMCopyCollate = false\n"},
       {"<pad-printing syntax=\"collection\">", "pads-single-back-cover"},
       {},
       "500"},
      // Pads turned off in a later run, by Disabled or by Cancel in their dialog, take their
      // entries with them.
      {{"Finishing=Pads...>Disabled"}, {"\"PadEnable\" = false"}, {"<job-template"}, kNoPads, "", true},
      {{"Finishing=Pads...>Enabled>NumberOfPads=10>PagesPerPad=50"}, {"\"PadEnable\" = true"}, {}, {}, "500", true},
      {{"Finishing=Pads...>Enabled>NumberOfPads=12>Cancel"}, {"\"PadEnable\" = false"}, {"<job-template"}, kNoPads, "",
       true},
      // "\>" types a ">" where a plain one would begin another step.
      // Typed decimals are cut after the field's decimals (0.005 in is 0), never rounded.
      {{"ImageShiftSetup=Option=Independent>X1=0.50>Y1=0.005", "Sender=Use Login Name", "JobStartMessage=Load A4 \\> A3",
        "Rotate=On", "BookletImageOrder=Right to Left", "OPIPrescan=Gather", "SendJobTicket=off", "PagesToPrint=on",
        "PagesFrom=2", "PagesTo=5",
        "ForceNewSize=Custom...>Inches>Width=8.50>Length=11.00"},
       {"\"Option\" = 1", "\"X1\" = 1270", "\"Y1\" = 0;", "com.korvo.print.JobNotesSenderName = \"" + login + "\"\n",
        "com.korvo.print.JobNotesSenderUseLoginName = true\n", "com.korvo.print.JobNotesMessage = \"Load A4 > A3\"\n",
        "com.korvo.print.AdvancedRotateImage180 = 2\n", "com.korvo.print.EmitJTKT = 0\n",
        "com.korvo.print.PagesToPrintFrom = 2\n", "com.korvo.print.PagesToPrintTo = 5\n", "\"Length\" = 27940",
        "com.korvo.print.AdvancedBookletLayoutOrderStr = 1\n", "com.korvo.print.OPIPrescan = 4\n",
        "\"Size\" = 75", "\"Width\" = 21590"},
       {"<page-rotation",
        "<lower-bound syntax=\"integer\">2</lower-bound>\n\t\t\t\t<upper-bound syntax=\"integer\">5</upper-bound>"}},
      // A later run reads the Advanced panel's choices back and writes them again as they were.
      {{"Panel=Advanced"}, {"com.korvo.print.AdvancedRotateImage180 = 2\n", "com.korvo.print.EmitJTKT = 0\n",
        "com.korvo.print.AdvancedBookletLayoutOrderStr = 1\n", "com.korvo.print.PagesToPrintTo = 5\n"}, {}, {}, "", true},
      // A forced size turned off leaves the job's paper without a size of its own.
      {{"ForceNewSize=Off"}, {"com.korvo.print.BookletForceNewSize = false\n", "com.korvo.print.JobLevelStock = {"}, {},
       {"\"Size\" = 75", "\"Width\" = 21590", "\"Length\" = 27940"}, "", true},
      // A new session's Advanced choices, as the printer's defaults.
      {{"Panel=Advanced"}, {"com.korvo.print.AdvancedBookletLayoutOrderStr = 2\n", "com.korvo.print.EmitJTKT = 1\n",
        "com.korvo.print.AdvancedRotateImage180 = 0\n", "com.korvo.print.OPIPrescan = 1\n",
        "com.korvo.print.OPISubsitution = 1\n", "com.korvo.print.PagesToPrintSelected = 0\n"}},
      // Markup in the names and messages is text in the job ticket.
      {{"Recipient=R&D <print room\\>", "BannerMessage=a \\> b", "AdditionalInfo=<&\\>"}, {},
       {">R&amp;D &lt;print room&gt;</job-recipient-name>", ">a &gt; b</job-sheet-message>",
        ">&lt;&amp;&gt;</job-accounting-data>"}},
      // OK in the job notes' preferences shows the ticket's names again, not the one typed.
      {{"JobName=Report", "JobNotesPreferences=click>OK"}, {"com.korvo.print.JobNotesUseJobName = true\n"}, {}, {"Report"}},
      // The panel's forms options reach the ticket on every Sync.
      {{"Panel=Booklet/Watermark"}, {"com.korvo.print.BackgroundFormsOptions = {"}},
      // A Paper/Output control reached from another panel: its panel comes to the front first.
      {{"Panel=Job Notes", "TwoSided=Two-Sided (Long Edge)"}, {"com.apple.print.PrintSettings.PMDuplexing = 2\n"}},
      {{"AddCovers=CoverOption=Different Covers", "AddInserts=Pages=3,5>Quantity=2",
        "AddExceptions=Pages=2-4>TwoSided=Two-Sided"},
       {"com.korvo.print.SpecialPages.FrontCover = ", "com.korvo.print.SpecialPages.BackCover = ", "\"SidesImaged\" = 1",
        "\"StartPage\" = 3", "\"StartPage\" = 5", "\"Quantity\" = 2", "\"StartPage\" = 2", "\"EndPage\" = 4",
        "\"SidesImaged\" = 2"},
       {"<cover-front ", "<cover-back ", "<insert-after-page-number syntax=\"integer\">3<",
        "<insert-after-page-number syntax=\"integer\">5<", "<lower-bound syntax=\"integer\">2<",
        "<upper-bound syntax=\"integer\">4<", "<sides syntax=\"keyword\">two-sided-long-edge<"},
       {"NoOfPads"}},
      // A paper chosen in a dialog's paper menu: the step after the menu item names its submenu's item.
      {{"AddCovers=CoverOption=Front Cover Only>FrontCoverPaper=Color>Blue", "AddInserts=Pages=3>InsertPaper=Color>Green"},
       {"com.korvo.print.SpecialPages.FrontCover = {\"SidesImaged\" = 1; \"StartPage\" = 0; \"Stock\" = {\"Color\" = 2;",
        "com.korvo.print.SpecialPages.InsertList = ({\"Quantity\" = 1; \"StartPage\" = 3; \"Stock\" = {\"Color\" = 4;"}},
      // Each cover's menu changes its own cover; the library and the advanced selection open for
      // a special page's paper as for the job's.
      {{"AddCovers=CoverOption=Different Covers>BackCoverPaper=Color>Green",
        "AddInserts=Pages=3>InsertPaper=Advanced Paper Selection...>PaperColor=Blue",
        "AddExceptions=Pages=5-6>ExceptionPaper=Advanced Paper Selection...>Grain=Long Grain",
        "AddExceptions=Pages=8>ExceptionPaper=Stock Library...>Cancel"},
       {"com.korvo.print.SpecialPages.FrontCover = {\"SidesImaged\" = 1; \"StartPage\" = 0; \"Stock\" = {\"Type\"",
        "com.korvo.print.SpecialPages.BackCover = {\"SidesImaged\" = 1; \"StartPage\" = 0; \"Stock\" = {\"Color\" = 4;",
        "com.korvo.print.SpecialPages.InsertList = ({\"Quantity\" = 1; \"StartPage\" = 3; \"Stock\" = {\"Color\" = 2;",
        "\"kGrain\" = "}},
      // An exception's curve is the job's by the special entry, which reads as its neighbours do.
      {{"AddExceptions=Pages=7>Curve=Use Job Setting"}, {"\"StartPage\" = 7"}, {}, {"Use Job Setting"}},
      // Of an exception page and an insert whose cells read alike, the second (the insert) is
      // reached by "#2".
      {{"AddInserts=Pages=3", "AddExceptions=Pages=3", "SpecialPages=3#2", "EditSpecialPage=Pages=6"},
       {"\"EndPage\" = 3", "\"Quantity\" = 1; \"StartPage\" = 6"}},
      // A page list is limited in its characters only, not in its length.
      {{"AddInserts=Pages=" + longPageList}, {"\"StartPage\" = 399"}},
      // A forms job that becomes another job in a later run takes its forms options with it.
      {{"JobType=Background Form>SavedFormName=Invoice>FormSetup=click>FormName=Letterhead"},
       {"\"NewFormString\" = \"Invoice\""}, {"<form-save", "<forms-col"}},
      {{"JobType=Normal Print"}, {}, {"<job-template"}, {"BackgroundFormsOptions", "<form", "Letterhead"}, "", true},
      // A form to merge with is exported for any job; a normal job is not saved as a form.
      {{"BackgroundForm=Setup...>FormName=Letterhead>FormXShift=1.999"},
       {"\"X1\" = 199;"},
       {"<form-name syntax=\"name\" xml:space=\"preserve\">Letterhead</form-name>"},
       {"<form-save"}},
      // The sample printer folds no booklets: its booklet options are the layout's alone. Their
      // "Custom..." size asks for its dimensions, as the stock menu's does.
      {{"Panel=Booklet/Watermark", "BookletLayout=Enabled", "BookletOptions=click>Gutter=40>BookletNewSize=Custom...>Inches>"
        "Width=8.50>Length=11.00"},
       {"com.korvo.print.Gutter = 40\n", "\"Length\" = 27940", "\"Size\" = 75", "\"Width\" = 21590",
        "com.korvo.print.BookletForceNewSize = true\n"},
       {"<x-dimension syntax=\"integer\">21590<", "<y-dimension syntax=\"integer\">27940<"}},
      // Covers keep booklet layout from going on, not its options nor its going off; a booklet's
      // back cover equal to its front one is the front one's other half.
      {{"BookletLayout=Enabled", "AddCovers=CoverOption=Same Covers", "Panel=Booklet/Watermark",
        "BookletOptions=click>Gutter=30"},
       {"com.korvo.print.Gutter = 30\n", "com.korvo.print.SpecialPages.FrontCover = "},
       {"<cover-front "},
       {"com.korvo.print.SpecialPages.BackCover", "<cover-back "}},
      {{"BookletOptions=click>No Booklet Layout"}, {"com.korvo.print.BookletLayout = false\n"}, {}, {}, "", true},
      // A field typed in one unit is converted when the unit changes.
      {{"ImageShiftSetup=Option=Independent>X1=1.00>Units=Millimeters>Y1=1.25",
        "ColorSetup=LightnessDefault=off>Lightness=1.5"},
       {"\"X1\" = 2540;", "\"Y1\" = 120;", "{\"FCLightness\" = 1}"}, {}, {}, "", true},
      // Booklet on from its panel, or from Paper/Output's booklet dialog (whose Cancel changes
      // nothing); off in a later run gives the one-sided job back its one side, and keeps it.
      {{"TwoSided=One-Sided"}},
      {{"Finishing=Booklet Creation...>Booklet Fold>Gutter=30>Cancel"}, {}, {}, {}, "", true, true},
      {{"BookletLayout=Enabled"},
       {"com.korvo.print.BookletLayout = true\n", "com.korvo.print.FinishingDuplex = 3\n",
        "com.apple.print.PrintSettings.PMDuplexing = 3\n"}, {}, {}, "", true},
      {{"BookletLayout=Disabled"}, {}, {}, {}, "", true},
      {{"Panel=Paper/Output"},
       {"com.korvo.print.BookletLayout = false\n", "com.korvo.print.FinishingDuplex = 1\n",
        "com.apple.print.PrintSettings.PMDuplexing = 1\n"}, {}, {"BookletDuplexBefore"}, "", true},
      {{"TwoSided=One-Sided"}},
      {{"Finishing=Booklet Creation...>Booklet Fold>Gutter=30>BookletNewSize=Custom...>Inches>Width=8.50>Length=11.00"},
       {"com.korvo.print.BookletLayout = true\n", "\"Width\" = 21590", "com.korvo.print.FinishingOptions = 24\n",
        "com.korvo.print.FinishingFoldValue = 43\n", "com.korvo.print.Gutter = 30\n"},
       {}, {}, "", true},
      {{"BookletLayout=Disabled"},
       {"com.korvo.print.FinishingDuplex = 1\n", "com.apple.print.PrintSettings.PMDuplexing = 1\n"}, {},
       {"BookletDuplexBefore"}, "", true},
      // A run in between that changes something else reads the booklet's ticket back and writes it
      // again: the side it keeps for booklet off must still be the job's own, not the booklet's.
      {{"TwoSided=Two-Sided (Long Edge)", "BookletLayout=Enabled"}},
      {{"Recipient=Print room"}, {}, {}, {}, "", true},
      {{"BookletLayout=Disabled"}, {"com.korvo.print.BookletLayout = false\n", "com.korvo.print.FinishingDuplex = 2\n"},
       {}, {}, "", true},
  };
  std::string file;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE("row " + std::to_string(i) + ": " + row.settings.back());
    if (!row.again) file = dir.file(std::to_string(i) + ".plist");
    const std::string before = korvo_test::ReadFile(file);
    std::string line = "set --session " + file, out;
    for (const std::string& s : row.settings) line += " '" + s + "'";
    ASSERT_EQ(RunPde(line + " 2>" + dir.file("err"), &out), 0) << out << korvo_test::ReadFile(dir.file("err"));
    std::string err = korvo_test::ReadFile(dir.file("err"));
    // The saved-job dialog tells the console, first, that it shows the values stored before.
    const std::string restored = "Values restored.\n";
    if (std::ranges::any_of(row.settings, [](const std::string& s) { return Has(s, "Saved Job") || s.starts_with("JobTypeSetup="); })) {
      EXPECT_TRUE(err.starts_with(restored)) << err;
      if (err.starts_with(restored)) err.erase(0, restored.size());
    }
    EXPECT_TRUE(row.noted.empty() ? err.empty() : err.starts_with("NOTE: ") && Has(err, row.noted)) << err;
    EXPECT_TRUE(!row.unchanged || korvo_test::ReadFile(file) == before) << "the session file changed";
    ExpectHas(out, row.listed);
    std::string exported;
    if (!row.exported.empty()) {
      const std::string xml = dir.file("job.xml");
      EXPECT_EQ(RunPde("export --session " + file + " -o " + xml, &exported, true), 0) << exported;
      EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + xml + " 2>&1", &exported), 0) << exported;
      exported = korvo_test::ReadFile(xml);
      ExpectHas(exported, row.exported);
    }
    for (const std::string& part : row.absent) EXPECT_FALSE(Has(out + exported, part)) << part;
  }
}

TEST_F(SetChoices, ALibraryPaperIsAddedChosenEditedReplacedAndDeletedAndOtherKeysSurvive) {
  const std::string library = home.dir().file("config/com.korvo.print.stocklibrary");
  // The entries, "count name weight ...", and the dialog settings someone else keeps in the file.
  auto entries = [&] {
    return Python("d = plistlib.load(open(sys.argv[1], \"rb\")); e = d[\"com.korvo.print.StockLibrary.StockList\"].values(); "
                  "print(len(e), *[s[\"Stock\"][\"CustomName\"] + \" \" + str(s[\"Stock\"].get(\"Weight\")) for s in e], "
                  "d[\"com.korvo.print.StockLibrary.SelectedRow\"])",
                  library);
  };
  auto set = [&](const std::string& steps) {
    std::string out;
    EXPECT_EQ(RunSet(session, {"Paper=Stock Library..." + steps}, &out), 0) << steps << "\n" << out;
    return out;
  };
  Python("plistlib.dump({\"com.korvo.print.StockLibrary.SelectedRow\": 3}, open(sys.argv[1], \"wb\"))", library);
  set(">Add...>PaperName=Gloss 120>PaperWeight=120>SidesCoated=Both Sides Coated>OK>Cancel");
  EXPECT_EQ(entries(), "1 Gloss 120 120 3\n");
  const std::string out = set(">Gloss 120");  // a new session
  EXPECT_TRUE(Has(out, "\"CustomName\" = \"Gloss 120\"")) << out;
  set(">Gloss 120>Edit...>PaperWeight=140>OK>Cancel");
  EXPECT_EQ(entries(), "1 Gloss 120 140 3\n");
  // Another paper of the name in another case asks first; Replace leaves one entry of it.
  host_test::ExpectRefused(session, {"Paper=Stock Library...>Add...>PaperName=GLOSS 120>OK"});
  set(">Add...>PaperName=GLOSS 120>PaperWeight=250>OK>Replace>Cancel");
  EXPECT_EQ(entries(), "1 GLOSS 120 250 3\n");
  set(">GLOSS 120>Delete>Cancel>Cancel");  // kept
  set(">GLOSS 120>Delete>Delete>Cancel");
  EXPECT_EQ(entries(), "0 3\n");
}

TEST_F(SetChoices, EightLibraryAdditionsAndChoicesAtOnceAllSurvive) {
  const std::string pde = std::string(KORVO_BIN_DIR) + "/korvo-pde";
  // Eight runs of the steps at once, paper i for run i, each on a session of its own, so that
  // only the library file's lock stands between them; then the names the papers of the library
  // list under key have (each entry of the list, or the entry each UUID of the list names).
  const auto eightAtOnce = [&](const std::string& before, const std::string& after, const std::string& listed) {
    std::string line = "(", out;
    for (int i = 1; i <= 8; ++i)
      line += pde + " set --session " + dir.file("s" + std::to_string(i) + ".plist") + " '" + before +
              std::to_string(i) + after + "' >/dev/null & ";
    EXPECT_EQ(korvo_test::RunCommand(line + "wait)", &out, true), 0) << out;
    return Python("d = plistlib.load(open(sys.argv[1], \"rb\")); "
                  "l = d[\"com.korvo.print.StockLibrary.StockList\"]; print(*sorted(" + listed + "))",
                  home.dir().file("config/com.korvo.print.stocklibrary"));
  };
  const std::string all = "Paper 1 Paper 2 Paper 3 Paper 4 Paper 5 Paper 6 Paper 7 Paper 8\n";
  EXPECT_EQ(eightAtOnce("Paper=Stock Library...>Add...>PaperName=Paper ", ">OK>Cancel",
                        "s[\"Stock\"][\"CustomName\"] for s in l.values()"),
            all);
  // Each paper chosen joins the stock menus' recent list; none replaces another's.
  EXPECT_EQ(eightAtOnce("Paper=Stock Library...>Paper ", "",
                        "l[u][\"Stock\"][\"CustomName\"] for u in d[\"com.korvo.print.StockLibrary.StockMenuList\"]"),
            all);
}

// Each form-name field keeps the names typed in it, ten at most, in the input history, beside the
// forms options' own histories; the set-up's names are what the panel's pop-up offers.
TEST_F(SetChoices, TheFormNameFieldsKeepHistoriesOfTheirOwn) {
  const std::string history = home.dir().file("config/com.korvo.print.inputhistory.plist");
  std::string out;
  Python("os.makedirs(os.path.dirname(sys.argv[1]), exist_ok=True); "
         "plistlib.dump({\"existingForms\": [\"Form %d\" % i for i in range(10)]}, open(sys.argv[1], \"wb\"))",
         history);
  ASSERT_EQ(RunSet(session, {"BackgroundForm=Setup...>FormName=Letterhead"}, &out), 0) << out;
  ASSERT_EQ(RunSet(dir.file("2.plist"), {"JobType=Background Form>SavedFormName=Invoice"}, &out), 0) << out;
  EXPECT_EQ(Python("d = plistlib.load(open(sys.argv[1], \"rb\")); f = plistlib.load(open(sys.argv[2], \"rb\")); "
                   "e = d[\"existingForms\"]; "
                   "print(e[:2], len(e), d[\"savedForms\"], f[\"ExistingFormsArray\"], f[\"NewFormsArray\"])",
                   history + " " + home.dir().file("config/com.korvo.print.backgroundforms")),
            "['Letterhead', 'Form 0'] 10 ['Invoice'] ['Letterhead'] ['Invoice']\n");
  ASSERT_EQ(RunSet(dir.file("3.plist"), {"BackgroundForm=Form 0"}, &out), 0) << out;
  EXPECT_TRUE(Has(out, "\"MergeWithString\" = \"Form 0\"")) << out;
}

// A ticket's numbers that the fields cannot show as they are: finer ones are cut toward zero
// (hundredths of a millimetre to hundredths of an inch), others are kept, and a dialog opened on
// one out of its range shows the bound and takes OK.
TEST_F(SetChoices, StoredNumbersAreCutOrKeptAndADialogOpensOnOneOutOfRange) {
  std::string out;
  ASSERT_EQ(RunSet(session, {"BookletLayout=Enabled"}, &out), 0) << out;
  ASSERT_EQ(host_test::EditSettings(session,
                                    "d[\"com.korvo.print.Gutter\"] = 500; "
                                    "d[\"com.korvo.print.FullColorOptions\"] = {\"FCLightness\": 500}; "
                                    "d[\"com.korvo.print.ImageShiftOptionsJob\"] = {\"Option\": 1, \"Inches\": 1, "
                                    "\"FullPrecision\": True, \"X1\": 2539, \"Y1\": -2539}",
                                    &out),
            0)
      << out;
  ASSERT_EQ(RunSet(session, {"BookletOptions=click"}, &out), 0) << out;
  ExpectHas(out, {"com.korvo.print.Gutter = 216\n", "{\"FCLightness\" = 500}", "\"X1\" = 2515;", "\"Y1\" = -2515;"});
}

// What the editor files is a property list the print path's own tools read.
TEST_F(SetChoices, ANewWatermarkIsReadByPlistlib) {
  std::string out;
  ASSERT_EQ(RunSet(session, {"Watermark=New...>Text=Proof>Angle=30>Density=40"}, &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.watermark.Watermark = \"Proof\"\n")) << out;
  EXPECT_EQ(Python("d=plistlib.load(open(sys.argv[1],\"rb\")); "
                   "print(d[\"WatermarkListEntries\"][-1], d[\"Proof\"][\"angle\"], d[\"Proof\"][\"density\"])",
                   home.dir().file("data/Korvo/com.korvo.printing.watermarks.plist")),
            "Proof 30 40\n");
}

}  // namespace
