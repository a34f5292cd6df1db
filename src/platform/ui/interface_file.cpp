#include "platform/ui/interface_file.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>

#include "platform/files/file_io.h"
#include "platform/xml_handles.h"

namespace platform::ui {

namespace {

using DocPtr = XmlDocPtr;

const std::map<std::string, ControlKind, std::less<>>& KindsByName() {
  static const auto* kinds = [] {
    auto* m = new std::map<std::string, ControlKind, std::less<>>;
    for (int k = 0; k <= static_cast<int>(ControlKind::DataBrowser); ++k)
      m->emplace(ControlKindName(static_cast<ControlKind>(k)), static_cast<ControlKind>(k));
    return m;
  }();
  return *kinds;
}

std::string_view Name(const xmlNode* node) { return reinterpret_cast<const char*>(node->name); }

std::optional<std::string> Attribute(const xmlNode* node, const char* name) {
  // A description is refused when it has a DTD, so an attribute is only ever what the element
  // spells; the usual one-piece value is read in place, without libxml2 making a copy of it.
  const xmlAttr* attribute = node->properties;
  while (attribute != nullptr &&
         (attribute->name == nullptr || std::strcmp(reinterpret_cast<const char*>(attribute->name), name) != 0))
    attribute = attribute->next;
  if (attribute == nullptr) return std::nullopt;
  const xmlNode* text = attribute->children;
  if (text != nullptr && text->next == nullptr && text->type == XML_TEXT_NODE && text->content != nullptr)
    return std::string(reinterpret_cast<const char*>(text->content));
  const XmlCharPtr value(xmlGetProp(node, reinterpret_cast<const xmlChar*>(name)));
  if (!value) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(value.get()));
}

// Builds windows and controls from the element tree, stopping at the first fault.
class Builder {
 public:
  Builder(std::string_view file, const Bundle* bundle) : file_(file), bundle_(bundle) {}
  const std::string& error() const { return error_; }

  bool fail(const xmlNode* node, const std::string& why) {
    if (error_.empty())
      error_ = std::string(file_) + ": line " + std::to_string(node ? xmlGetLineNo(node) : 0) + ": <" +
               (node ? std::string(Name(node)) : std::string("?")) + ">: " + why;
    return false;
  }

  std::optional<int> integer(const xmlNode* node, const char* name, int fallback) {
    auto text = Attribute(node, name);
    if (!text) return fallback;
    int value = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc() || end != text->data() + text->size()) {
      fail(node, std::string("attribute ") + name + " is not an integer: \"" + *text + "\"");
      return std::nullopt;
    }
    return value;
  }

  std::optional<bool> flag(const xmlNode* node, const char* name, bool fallback) {
    auto text = Attribute(node, name);
    if (!text) return fallback;
    if (*text == "true") return true;
    if (*text == "false") return false;
    fail(node, std::string("attribute ") + name + " must be true or false");
    return std::nullopt;
  }

  std::optional<OSType> code(const xmlNode* node, const char* name) {
    auto text = Attribute(node, name);
    if (!text) return OSType{0};
    auto value = ParseFourCharCode(*text);
    if (!value) fail(node, std::string("attribute ") + name + " must be four characters");
    return value;
  }

  // The text of `plain`, or the localisation of `key` when that is given instead.
  std::string text(const xmlNode* node, const char* plain, const char* key) {
    if (auto k = Attribute(node, key)) return bundle_ ? bundle_->localizedString(*k) : *k;
    return Attribute(node, plain).value_or("");
  }

  bool menu(const xmlNode* node, Menu& menu) {
    for (const xmlNode* child = node->children; child; child = child->next) {
      if (child->type != XML_ELEMENT_NODE) continue;
      if (Name(child) != "item") return fail(child, "a menu holds only <item> elements");
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
      if (Attribute(child, "ref")) {
        auto ref = integer(child, "ref", 0);
        if (!ref) return false;
        item.refValue = *ref;
      }
      for (const xmlNode* sub = child->children; sub; sub = sub->next) {
        if (sub->type != XML_ELEMENT_NODE) continue;
        if (Name(sub) != "menu") return fail(sub, "an item holds only a submenu");
        item.submenu = std::make_shared<Menu>();
        if (!this->menu(sub, *item.submenu)) return false;
      }
      menu.append(std::move(item));
    }
    return true;
  }

  bool control(const xmlNode* node, Control& parent, Window& window) {
    auto kindName = Attribute(node, "kind");
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
    auto locked = flag(node, "locked", false);
    auto isDefault = flag(node, "default", false), isCancel = flag(node, "cancel", false);
    auto command = code(node, "command");
    if (!signature || !id || !x || !y || !width || !height || !minimum || !maximum || !value || !visible ||
        !enabled || !locked || !isDefault || !isCancel || !command)
      return false;
    auto owned = std::make_unique<Control>(kind->second, ControlID{*signature, *id}, Rect{*x, *y, *width, *height});
    Control& c = *parent.embed(std::move(owned));
    c.setTitle(text(node, "title", "title-key"));
    c.setName(Attribute(node, "name").value_or(""));
    c.setText(text(node, "text", "text-key"));
    c.setMinimum(*minimum);
    c.setMaximum(*maximum);
    c.setValue(*value);
    c.setVisible(*visible);
    c.setEnabled(*enabled);
    c.setLocked(*locked);
    c.setCommand(*command);
    c.setPicture(Attribute(node, "picture").value_or(""));
    if (*isDefault) window.setDefaultButton(&c);
    if (*isCancel) window.setCancelButton(&c);
    for (const xmlNode* child = node->children; child; child = child->next) {
      if (child->type != XML_ELEMENT_NODE) continue;
      if (Name(child) == "control") {
        if (!control(child, c, window)) return false;
      } else if (Name(child) == "menu") {
        if (!menu(child, c.menu())) return false;
      } else if (Name(child) == "column") {
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

  std::unique_ptr<Window> window(const xmlNode* node) {
    auto width = integer(node, "width", 0), height = integer(node, "height", 0);
    if (!width || !height) return nullptr;
    auto window = std::make_unique<Window>(Attribute(node, "name").value_or(""), Rect{0, 0, *width, *height});
    window->setTitle(text(node, "title", "title-key"));
    for (const xmlNode* child = node->children; child; child = child->next) {
      if (child->type != XML_ELEMENT_NODE) continue;
      if (Name(child) != "control") {
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
  xmlResetLastError();
  // Everything is in elements and attributes: the blank text between elements is not kept, and
  // the tree is only read.
  DocPtr doc(xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, "UTF-8",
                           XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOBLANKS |
                               XML_PARSE_COMPACT));
  if (!doc) {
    const xmlError* e = xmlGetLastError();
    std::string why;
    if (e != nullptr && e->message != nullptr) {
      why = e->message;
      while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
      why = " (line " + std::to_string(e->line) + ": " + why + ")";
    }
    return Fail(std::string(fileLabel) + ": not a well-formed interface description" + why);
  }
  if (doc->intSubset != nullptr || doc->extSubset != nullptr)
    return Fail(std::string(fileLabel) + ": an interface description may not have a DOCTYPE");
  const xmlNode* root = xmlDocGetRootElement(doc.get());
  if (root == nullptr || Name(root) != "interface")
    return Fail(std::string(fileLabel) + ": the root element must be <interface>");
  Builder builder(fileLabel, bundle);
  for (const xmlNode* node = root->children; node; node = node->next) {
    if (node->type != XML_ELEMENT_NODE || Name(node) != "window") continue;
    if (Attribute(node, "name") != std::string(windowName)) continue;
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
