#include "panels/paper_output/paper_output_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/bundle/bundle.h"
#include "platform/locale/utf8_text.h"
#include "platform/plugin/plugin_abi.h"
#include "platform/ui/user_choice.h"
#include "shell/pde_shell.h"
#include "shell/shell_context.h"

extern "C" void* KorvoPDEPluginFactory(void* allocator, const platform::PluginUUID* typeID);

namespace korvo_test {

namespace ui = platform::ui;

std::string FinishersPPDPath() { return DataPath("panels/finishers.ppd"); }

platform::PrintSession SessionOn(const std::string& ppdPath, const std::string& paperName, double paperHeight) {
  platform::PrintSession session;
  session.printer().ppdPath = ppdPath;
  platform::Ticket& paper = session.ensureTicket(platform::kPDE_PMPageFormatRef).ensureSubTicket(platform::kPMPaperInfoTicket);
  paper.set("com.apple.print.PaperInfo.PMPaperName", paperName, "com.apple.print");
  paper.set("com.apple.print.PaperInfo.PMUnadjustedPaperRect",
            platform::PlistArray{0.0, 0.0, paperHeight, 612.0}, "com.apple.print");
  session.ensureTicket(platform::kPDE_PMPrintSettingsRef);
  return session;
}

PluginDialog::PluginDialog(platform::PrintSession& session, bool open) : session_(session) {
  auto bundle = platform::Bundle::open(BundlePath());
  EXPECT_TRUE(bundle) << bundle.error();
  pane_ = window_.content().embed(std::make_unique<ui::Control>(ui::ControlKind::UserPane, ui::ControlID{1, 1},
                                                                ui::Rect{0, 0, 540, 491}));
  const auto type = *platform::PluginUUID::parse(platform::kPDEPlugInTypeUUID);
  instance_ = KorvoPDEPluginFactory(nullptr, &type);
  auto** unknown = static_cast<platform::IUnknownVTbl**>(instance_);
  void* pde = nullptr;
  (*unknown)->QueryInterface(instance_, *platform::PluginUUID::parse(platform::kDialogExtensionIntfIID), &pde);
  interface_ = static_cast<platform::PlugInIntf*>(pde);
  platform::OSType creator = 0;
  std::string kind, title;
  std::uint32_t maxH = 0, maxV = 0;
  interface_->vtable->Prologue(&context_, &creator, &kind, &title, &maxH, &maxV);
  platform::PMPDEFlags flags = 0;
  EXPECT_EQ(interface_->vtable->Initialize(context_, &flags, nullptr, pane_, &session_), platform::noErr);
  if (open) {
    EXPECT_EQ(this->open(), platform::noErr);
  }
}

PluginDialog::~PluginDialog() {
  interface_->vtable->Close(context_);
  interface_->vtable->Terminate(context_, platform::noErr);
  interface_->vtable->Release(&interface_);
  (*static_cast<platform::IUnknownVTbl**>(instance_))->Release(instance_);
}

platform::OSStatus PluginDialog::open() { return interface_->vtable->Open(context_); }
platform::OSStatus PluginDialog::close() { return interface_->vtable->Close(context_); }
platform::OSStatus PluginDialog::sync(bool reinitialize) {
  return interface_->vtable->Sync(context_, &session_, reinitialize);
}

ui::Control& PluginDialog::named(const std::string& name) {
  ui::Control* found = window_.content().findNamed(name);
  if (found == nullptr) {
    ADD_FAILURE() << "no control named " << name;
    static ui::Control none(ui::ControlKind::UserPane, {}, {});
    return none;
  }
  return *found;
}

platform::ui::Control& In(platform::ui::Window& window, const char* name) {
  platform::ui::Control* control = window.content().findNamed(name);
  EXPECT_NE(control, nullptr) << name;
  return *control;
}

platform::ui::Control* Titled(platform::ui::Control& root, const std::string& title) {
  if (root.title() == title && root.kind() != ui::ControlKind::UserPane) return &root;
  for (const auto& child : root.children())
    if (ui::Control* found = Titled(*child, title)) return found;
  return nullptr;
}

void Retype(platform::ui::UserDriver& user, platform::ui::Control& field, const std::string& text) {
  user.select(field, {0, platform::UTF16Length(field.text())});
  user.type(field, text.empty() ? "\b" : text);
}

std::optional<std::int64_t> IntegerIn(const platform::PlistDict& dict, const char* key) {
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  return value && value->asInteger() ? std::optional(*value->asInteger()) : std::nullopt;
}

std::vector<std::string> MenuTexts(const ui::Menu& menu) {
  std::vector<std::string> texts;
  for (const ui::MenuItem& item : menu.items()) texts.push_back(item.separator ? "-" : item.text);
  return texts;
}

std::vector<std::string> ColumnTexts(ui::Control& list, ui::DataBrowserPropertyID column) {
  std::vector<std::string> cells;
  for (ui::DataBrowserItemID item : list.dataBrowser().items()) cells.push_back(list.dataBrowser().cellText(item, column));
  return cells;
}

void* PanelContextAt(std::int32_t tabIndex) {
  for (PanelSlot& slot : CurrentShellContext()->panels)
    if (slot.tabIndex == tabIndex) return slot.context;
  std::abort();  // the shell loads all six panels
}

platform::OSStatus PluginDialog::choose(const std::string& controlName, const std::string& text,
                                        const std::string& subText) {
  return subText.empty() ? ui::ChooseLabel(named(controlName), user_, text)
                         : ui::ChooseSubmenuLabel(named(controlName), user_, text, subText);
}

PaperOutputContext& PluginDialog::panel() { return PanelContext<PaperOutputContext>(1); }

void ActOn(ui::Window& window, ui::UserDriver& user, const NamedSteps& steps) {
  for (const auto& [name, value] : steps) {
    ui::Control* control = window.content().findNamed(name);
    ASSERT_NE(control, nullptr) << name << " in " << window.title();
    EXPECT_EQ(user.bringToFront(*control), platform::noErr) << name;
    EXPECT_EQ(ui::ChooseLabel(*control, user, value), platform::noErr) << name << "=" << value;
  }
}

void ActOn(PluginDialog& dialog, const NamedSteps& steps) { ActOn(dialog.window(), dialog.user(), steps); }

ui::ScriptedInteraction::ModalStep Act(NamedSteps steps, Then then) {
  return [steps, then](ui::Window& window, ui::UserDriver& user) {
    ActOn(window, user, steps);
    if (then == Then::kOK) user.pressReturn(window);
    if (then == Then::kCancel) user.pressEscape(window);
  };
}

}  // namespace korvo_test
