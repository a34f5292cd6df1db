// The plug-in as a print dialog meets it: a bundle, a module loaded with dlopen, a factory, an
// interface table.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "platform/plugin/plugin_host.h"
#include "support/test_support.h"

namespace {

const platform::PluginUUID kFactory = *platform::PluginUUID::parse("7ED2309E-9940-47CA-8865-900E79B2EEE5");
const platform::PluginUUID kPDEType = *platform::PluginUUID::parse(platform::kPDEPlugInTypeUUID);

TEST(PluginEntry, FactoryAnswersOnlyForTheDialogExtensionTypeAndInstancesCountReferences) {
  auto module = platform::PluginModule::load(korvo_test::BundlePath());
  ASSERT_TRUE(module) << module.error();
  auto factory = reinterpret_cast<platform::PluginFactoryFunction>((*module)->symbol("KorvoPDEPluginFactory"));
  ASSERT_NE(factory, nullptr);
  platform::PluginUUID other = *platform::PluginUUID::parse("00000000-1111-2222-3333-444444444444");
  EXPECT_EQ(factory(nullptr, &other), nullptr);
  EXPECT_EQ(factory(nullptr, nullptr), nullptr);
  {
    auto instance = (*module)->createInstance(kPDEType);
    ASSERT_TRUE(instance) << instance.error();
    EXPECT_EQ(platform::PluginInstanceCount(kFactory), 1);

    void* unknown = nullptr;
    platform::IUnknownVTbl** self = instance->get();
    EXPECT_EQ((*self)->QueryInterface(self, *platform::PluginUUID::parse(platform::kIUnknownUUID), &unknown),
              platform::S_OK);
    EXPECT_EQ(unknown, self);
    EXPECT_EQ((*self)->Release(self), 1u);  // the reference QueryInterface added

    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ((*self)->QueryInterface(self, other, &none), platform::E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);

    auto pde = instance->queryPDEInterface();
    ASSERT_TRUE(pde) << pde.error();
    platform::PMPlugInAPIVersion version{};
    EXPECT_EQ(pde->table().GetAPIVersion(pde->get(), &version), platform::noErr);
    EXPECT_EQ(version.buildVersionMajor, 1u);
    EXPECT_EQ(version.baseVersionMinor, 0u);

    platform::PlugInIntf* extra = pde->get();
    EXPECT_EQ(pde->table().Retain(extra), platform::noErr);
    EXPECT_EQ(pde->table().Release(&extra), platform::noErr);
    EXPECT_EQ(extra, nullptr);  // Release clears the caller's reference
  }
  EXPECT_EQ(platform::PluginInstanceCount(kFactory), 0);
}

// The factory, the job-ticket export and import commands, the job-ticket emitters (WriteJTkt...),
// the setting maps, which other components find by name, the printer stock report and the two
// commands of korvo-pde's type42 and watermark; nothing else of ours.
TEST(PluginEntry, ModuleExportsTheFactoryTheJobTicketWriterAndReaderTheMapsAndNothingElseOfOurs) {
  std::string symbols;
  ASSERT_EQ(korvo_test::RunCommand("nm -D --defined-only " + korvo_test::BundlePath() +
                                       "/Contents/MacOS/korvo-features.so | awk '{print $3}'",
                                   &symbols),
            0);
  std::set<std::string> ours;
  std::istringstream lines(symbols);
  for (std::string name; std::getline(lines, name);)
    if (!name.empty() && name != "_init" && name != "_fini" && !name.starts_with("__")) ours.insert(name);
  const std::set<std::string> named = {"KorvoPDEPluginFactory",  "JTKTExportToFileAtPath",
                                       "JTKTImportFilesAtPaths", "KorvoPrinterStockReport",
                                       "KorvoType42FromFontFile", "KorvoWatermarkToFileAtPath",
                                       "KorvoIppTestToFileAtPath", "KorvoIppPrintJob", "KorvoIppPrintJobToQueue",
                                       "FinishMap1",             "JobFormatMap2",
                                       "DisplayJTKTImportExportSummary"};
  for (const std::string& required : named) EXPECT_TRUE(ours.count(required)) << required;
  for (const char* required : {"WriteJTktHeader", "WriteJTktMedia", "WriteJTktFinishing", "DuplexMap", "CompleteStockSizeMap"})
    EXPECT_TRUE(ours.count(required)) << required;
  for (const std::string& name : ours)
    EXPECT_TRUE(named.count(name) || name.starts_with("WriteJTkt") || name.ends_with("Map"))
        << name << " is visible from the module";
}

}  // namespace
