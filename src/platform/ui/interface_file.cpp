#include "platform/ui/interface_file.h"

#include <charconv>
#include <cstdio>
#include <map>

#include "platform/files/file_io.h"
#include "platform/ui/help_tag.h"
#include "platform/ui/interface_elements.h"

namespace platform::ui {

namespace {

const std::map<std::string, ControlKind, std::less<>>& KindsByName() {
  static const auto* kinds = [] {
    auto* m = new std::map<std::string, ControlKind, std::less<>>;
    for (int k = 0; k <= static_cast<int>(ControlKind::DataBrowser); ++k)
      m->emplace(ControlKindName(static_cast<ControlKind>(k)), static_cast<ControlKind>(k));
    return m;
  }();
  return *kinds;
}

// Builds windows and controls from the element tree, stopping at the first fault.
class Builder {
 public:
  Builder(std::string_view file, const Bundle* bundle) : file_(file), bundle_(bundle) {}
  const std::string& error() const { return error_; }

  bool fail(const InterfaceElement& node, const std::string& why) {
    if (error_.empty())
      error_ = std::string(file_) + ": line " + std::to_string(node.line) + ": <" + node.name + ">: " + why;
    return false;
  }

  std::optional<int> integer(const InterfaceElement& node, const char* name, int fallback) {
    const std::string* text = node.attribute(name);
    if (!text) return fallback;
    int value = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc() || end != text->data() + text->size()) {
      fail(node, std::string("attribute ") + name + " is not an integer: \"" + *text + "\"");
      return std::nullopt;
    }
    return value;
  }

  std::optional<bool> flag(const InterfaceElement& node, const char* name, bool fallback) {
    const std::string* text = node.attribute(name);
    if (!text) return fallback;
    if (*text == "true") return true;
    if (*text == "false") return false;
    fail(node, std::string("attribute ") + name + " must be true or false");
    return std::nullopt;
  }

  std::optional<OSType> code(const InterfaceElement& node, const char* name) {
    const std::string* text = node.attribute(name);
    if (!text) return OSType{0};
    auto value = ParseFourCharCode(*text);
    if (!value) fail(node, std::string("attribute ") + name + " must be four characters");
    return value;
  }

  // The text of `plain`, or the localisation of `key` when that is given instead.
  std::string text(const InterfaceElement& node, const char* plain, const char* key) {
    if (const std::string* k = node.attribute(key)) return bundle_ ? bundle_->localizedString(*k) : *k;
    return node.attributeText(plain).value_or("");
  }

  bool menu(const InterfaceElement& node, Menu& menu) {
    for (const InterfaceElement& child : node.children) {
      if (child.name != "item") return fail(child, "a menu holds only <item> elements");
      auto separator = flag(child, "separator", false);
      if (!separator) return false;
      if (*separator) {
        menu.appendSeparator();
        continue;
      }
      MenuItem item;
      item.text = text(child, "text", "text-key");
      auto command = code(child, "command");
      auto checked = flag(child, "checked", false);
      auto enabled = flag(child, "enabled", true);
      if (!command || !checked || !enabled) return false;
      item.command = *command;
      item.checked = *checked;
      item.enabled = *enabled;
      if (child.attribute("ref")) {
        auto ref = integer(child, "ref", 0);
        if (!ref) return false;
        item.refValue = *ref;
      }
      for (const InterfaceElement& sub : child.children) {
        if (sub.name != "menu") return fail(sub, "an item holds only a submenu");
        item.submenu = std::make_shared<Menu>();
        if (!this->menu(sub, *item.submenu)) return false;
      }
      menu.append(std::move(item));
    }
    return true;
  }

  bool control(const InterfaceElement& node, Control& parent, Window& window) {
    const std::string* kindName = node.attribute("kind");
    if (!kindName) return fail(node, "a control needs a kind");
    auto kind = KindsByName().find(*kindName);
    if (kind == KindsByName().end()) return fail(node, "unknown control kind \"" + *kindName + "\"");
    auto signature = code(node, "signature");
    auto id = integer(node, "id", 0);
    auto x = integer(node, "x", 0), y = integer(node, "y", 0);
    auto width = integer(node, "width", 0), height = integer(node, "height", 0);
    auto minimum = integer(node, "minimum", 0), maximum = integer(node, "maximum", 0);
    auto value = integer(node, "value", 0);
    auto visible = flag(node, "visible", true), enabled = flag(node, "enabled", true);
    auto locked = flag(node, "locked", false), password = flag(node, "password", false);
    auto isDefault = flag(node, "default", false), isCancel = flag(node, "cancel", false);
    auto command = code(node, "command");
    if (!signature || !id || !x || !y || !width || !height || !minimum || !maximum || !value || !visible ||
        !enabled || !locked || !password || !isDefault || !isCancel || !command)
      return false;
    auto owned = std::make_unique<Control>(kind->second, ControlID{*signature, *id}, Rect{*x, *y, *width, *height});
    Control& c = *parent.embed(std::move(owned));
    c.setTitle(text(node, "title", "title-key"));
    c.setName(node.attributeText("name").value_or(""));
    c.setText(text(node, "text", "text-key"));
    c.setMinimum(*minimum);
    c.setMaximum(*maximum);
    c.setValue(*value);
    c.setVisible(*visible);
    c.setEnabled(*enabled);
    c.setLocked(*locked);
    c.setPassword(*password);
    c.setCommand(*command);
    c.setPicture(node.attributeText("picture").value_or(""));
    SetHelpTag(c, text(node, "help-tag", "help-tag-key"));
    if (*isDefault) window.setDefaultButton(&c);
    if (*isCancel) window.setCancelButton(&c);
    for (const InterfaceElement& child : node.children) {
      if (child.name == "control") {
        if (!control(child, c, window)) return false;
      } else if (child.name == "menu") {
        if (!menu(child, c.menu())) return false;
      } else if (child.name == "column") {
        auto property = integer(child, "property", 0), columnWidth = integer(child, "width", 0);
        if (!property || !columnWidth) return false;
        c.dataBrowser().columns().push_back(
            DataBrowserColumn{static_cast<DataBrowserPropertyID>(*property), text(child, "title", "title-key"), *columnWidth});
      } else {
        return fail(child, "unknown element");
      }
    }
    return true;
  }

  std::unique_ptr<Window> window(const InterfaceElement& node) {
    auto width = integer(node, "width", 0), height = integer(node, "height", 0);
    if (!width || !height) return nullptr;
    auto window = std::make_unique<Window>(node.attributeText("name").value_or(""), Rect{0, 0, *width, *height});
    window->setTitle(text(node, "title", "title-key"));
    for (const InterfaceElement& child : node.children) {
      if (child.name != "control") {
        fail(child, "a window holds only <control> elements");
        return nullptr;
      }
      if (!control(child, window->content(), *window)) return nullptr;
    }
    return window;
  }

 private:
  std::string_view file_;
  const Bundle* bundle_;
  std::string error_;
};

Result<std::unique_ptr<Window>> Fail(std::string message) {
  std::fprintf(stderr, "!! %s\n", message.c_str());
  return Result<std::unique_ptr<Window>>::fail(std::move(message));
}

}  // namespace

Result<std::unique_ptr<Window>> CreateWindowFromInterfaceText(std::string_view xml, std::string_view fileLabel,
                                                              std::string_view windowName, const Bundle* bundle) {
  Result<InterfaceElement> root = ReadInterfaceElements(xml, fileLabel);
  if (!root) return Fail(root.error());
  Builder builder(fileLabel, bundle);
  for (const InterfaceElement& node : root->children) {
    if (node.name != "window") continue;
    const std::string* name = node.attribute("name");
    if (name == nullptr || *name != windowName) continue;
    auto window = builder.window(node);
    if (!window) return Fail(builder.error());
    return Result<std::unique_ptr<Window>>::ok(std::move(window));
  }
  return Fail(std::string(fileLabel) + ": no <window name=\"" + std::string(windowName) + "\">");
}

Result<std::unique_ptr<Window>> CreateWindowFromInterface(const Bundle& bundle, std::string_view name,
                                                          std::string_view windowName) {
  std::string file = std::string(name) + ".interface.xml";
  auto path = bundle.resourcePath(file);
  if (!path) return Fail(bundle.resourcesPath() + "/" + file + ": no such interface description");
  auto bytes = ReadFileBytes(*path);
  if (!bytes) return Fail(bytes.error());
  return CreateWindowFromInterfaceText(*bytes, *path, windowName, &bundle);
}

}  // namespace platform::ui
