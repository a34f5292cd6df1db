#include "platform/ui/gtk/window_renderer.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "platform/glib_handles.h"
#include "platform/ui/gtk/screen_place.h"
#include "platform/ui/gtk/widget_node.h"

namespace platform::ui::gtk {
namespace {

std::vector<WindowRenderer*>& Registry() {
  static std::vector<WindowRenderer*> renderers;
  return renderers;
}

bool gRefreshScheduled = false;

// The interface descriptions lay controls out at the sizes of a compact desktop theme; GTK's
// default padding would make buttons and fields taller than their places.
void InstallCompactStyle() {
  static bool installed = false;
  if (installed) return;
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return;
  installed = true;
  GObjectPtr<GtkCssProvider> provider(gtk_css_provider_new());
  gtk_css_provider_load_from_data(provider.get(),
                                  ".korvo button, .korvo entry, .korvo menubutton > button {"
                                  " min-height: 0; padding-top: 1px; padding-bottom: 1px; }"
                                  ".korvo button { padding-left: 6px; padding-right: 6px; }"
                                  ".korvo checkbutton { min-height: 0; padding: 0; }"
                                  ".korvo button.korvo-picture { min-width: 0; padding-left: 2px; padding-right: 2px; }"
                                  ".korvo button.korvo-help { min-width: 0; padding: 0; }"
                                  ".korvo .korvo-arrows button { min-width: 0; min-height: 0; padding: 0;"
                                  " border-radius: 0; }"
                                  ".korvo .korvo-arrows image { -gtk-icon-size: 8px; }"
                                  "popover button.korvo-menu-heading { font-weight: bold; }"
                                  ".korvo notebook > header > tabs > tab { min-height: 0; padding: 3px 10px; }"
                                  // A list's column titles start where its rows' texts do, whatever
                                  // padding the theme gives rows.
                                  ".korvo .korvo-column-titles, .korvo list.korvo-rows > row {"
                                  " padding-left: 2px; padding-right: 2px; }",
                                  -1);
  gtk_style_context_add_provider_for_display(display, GTK_STYLE_PROVIDER(provider.get()),
                                             GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

gboolean RefreshAllOnce(gpointer) {
  gRefreshScheduled = false;
  WindowRenderer::RefreshAll();
  return G_SOURCE_REMOVE;
}

bool TreeContains(const Control& root, const Control& wanted) {
  if (&root == &wanted) return true;
  return std::any_of(root.children().begin(), root.children().end(),
                     [&](const std::unique_ptr<Control>& child) { return TreeContains(*child, wanted); });
}

// The window's close box acts as Escape does; the window itself stays until the code behind it
// says otherwise.
gboolean OnCloseRequest(GtkWindow*, gpointer data) {
  static_cast<WindowRenderer*>(data)->pressKey(true);
  return TRUE;
}

// Escape and Return reach the window when the widget with the focus did not take them (an open
// menu takes Escape, a text view Return), with or without a window manager.
gboolean OnWindowKey(GtkEventControllerKey*, guint key, guint, GdkModifierType state, gpointer data) {
  if ((state & (GDK_CONTROL_MASK | GDK_ALT_MASK | GDK_SUPER_MASK)) != 0) return FALSE;
  const bool escape = key == GDK_KEY_Escape;
  if (!escape && key != GDK_KEY_Return && key != GDK_KEY_KP_Enter && key != GDK_KEY_ISO_Enter) return FALSE;
  static_cast<WindowRenderer*>(data)->pressKey(escape);
  return TRUE;
}

// Moves the keyboard focus into widget, unless it is there already (a field that gets the focus
// again would select all its text under the person typing in it).
void FocusOn(GtkWindow* window, GtkWidget* widget) {
  GtkWidget* current = gtk_root_get_focus(GTK_ROOT(window));
  if (current != nullptr && (current == widget || gtk_widget_is_ancestor(current, widget))) return;
  gtk_widget_grab_focus(widget);
}

}  // namespace

WindowRenderer::WindowRenderer(Window& window, std::vector<std::string> pictureFolders, GtkWindow* transientFor)
    : window_(window), root_(window.content()), pictureFolders_(std::move(pictureFolders)) {
  InstallCompactStyle();
  gtkWindow_ = GTK_WINDOW(gtk_window_new());
  g_object_ref_sink(gtkWindow_);
  gtk_widget_add_css_class(GTK_WIDGET(gtkWindow_), "korvo");
  gtk_window_set_title(gtkWindow_, window.title().c_str());
  gtk_window_set_resizable(gtkWindow_, FALSE);
  if (transientFor != nullptr) {
    gtk_window_set_transient_for(gtkWindow_, transientFor);
    gtk_window_set_modal(gtkWindow_, TRUE);
  }
  rootFixed_ = gtk_fixed_new();
  const Rect bounds = window.bounds();
  gtk_widget_set_size_request(rootFixed_, bounds.width, bounds.height);
  gtk_window_set_child(gtkWindow_, rootFixed_);
  g_signal_connect(gtkWindow_, "close-request", G_CALLBACK(OnCloseRequest), this);
  keys_ = gtk_event_controller_key_new();
  g_signal_connect(keys_, "key-pressed", G_CALLBACK(OnWindowKey), this);
  gtk_widget_add_controller(GTK_WIDGET(gtkWindow_), keys_);
  Registry().push_back(this);
  refresh();
  // A dialog that asks for no field starts on its default button, so that Return answers it.
  if (window.focus() == nullptr)
    if (GtkWidget* button = keyboardWidgetOf(window.defaultButton())) FocusOn(gtkWindow_, button);
}

WindowRenderer::WindowRenderer(Window& window, Control& root, GtkWidget* container, GtkWindow* toplevel,
                               std::vector<std::string> pictureFolders)
    : window_(window), root_(root), pictureFolders_(std::move(pictureFolders)), embedded_(true) {
  InstallCompactStyle();
  gtkWindow_ = GTK_WINDOW(g_object_ref(toplevel));
  rootFixed_ = container;
  gtk_widget_add_css_class(rootFixed_, "korvo");
  gtk_widget_set_size_request(rootFixed_, root.bounds().width, root.bounds().height);
  Registry().push_back(this);
  refresh();
}

WindowRenderer::~WindowRenderer() {
  std::erase(Registry(), this);
  if (embedded_) {
    nodes_.clear();
    g_object_unref(gtkWindow_);
    return;
  }
  g_signal_handlers_disconnect_by_data(gtkWindow_, this);
  g_signal_handlers_disconnect_by_data(keys_, this);
  // The window does not hold its default widget: let go of it before the widgets go.
  gtk_window_set_default_widget(gtkWindow_, nullptr);
  gtk_window_destroy(gtkWindow_);
  nodes_.clear();
  g_object_unref(gtkWindow_);
}

const std::vector<WindowRenderer*>& WindowRenderer::All() { return Registry(); }

void WindowRenderer::ScheduleRefreshAll() {
  if (gRefreshScheduled) return;
  gRefreshScheduled = true;
  // Ahead of further input, so that the next keystroke meets the text the last one left.
  g_idle_add_full(G_PRIORITY_HIGH, RefreshAllOnce, nullptr, nullptr);
}

void WindowRenderer::RefreshAll() {
  // A refresh may not add or remove renderers, but copy the list all the same.
  std::vector<WindowRenderer*> renderers = Registry();
  for (WindowRenderer* renderer : renderers) renderer->refresh();
}

bool WindowRenderer::contains(const Control& control) const { return TreeContains(root_, control); }

std::optional<std::string> WindowRenderer::picturePath(const std::string& name) const {
  if (name.empty()) return std::nullopt;
  for (const std::string& folder : pictureFolders_) {
    std::filesystem::path path = std::filesystem::path(folder) / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path.string();
  }
  return std::nullopt;
}

void WindowRenderer::refresh() {
  updating_ = true;
  if (!embedded_) gtk_window_set_title(gtkWindow_, window_.title().c_str());
  for (auto& [control, node] : nodes_) node->seen = false;
  for (const std::unique_ptr<Control>& child : root_.children()) syncControl(*child, &root_, rootFixed_);
  // Nodes of controls that are gone: those whose parent is gone too lose their widgets with it.
  // The window does not hold its default widget, so it is set again afterwards.
  if (!embedded_) gtk_window_set_default_widget(gtkWindow_, nullptr);
  std::erase_if(nodes_, [](const auto& entry) { return !entry.second->seen; });
  if (!embedded_) showDefaultButton();
  applyFocus();
  updating_ = false;
}

void WindowRenderer::pressKey(bool escape) {
  if (updating_) return;
  if (escape) driver_.pressEscape(window_);
  else driver_.pressReturn(window_);
  ScheduleRefreshAll();
}

// The default button is GTK's default widget and drawn as the suggested action.
void WindowRenderer::showDefaultButton() {
  GtkWidget* button = keyboardWidgetOf(window_.defaultButton());
  if (shownDefault_ != window_.defaultButton())
    if (GtkWidget* old = keyboardWidgetOf(shownDefault_)) gtk_widget_remove_css_class(old, "suggested-action");
  shownDefault_ = button != nullptr ? window_.defaultButton() : nullptr;
  if (button == nullptr) return;
  gtk_window_set_default_widget(gtkWindow_, button);
  gtk_widget_add_css_class(button, "suggested-action");
}

// Each focus request of the window moves the keyboard focus to the control it names.
void WindowRenderer::applyFocus() {
  if (focusApplied_ == window_.focusRequests()) return;
  focusApplied_ = window_.focusRequests();
  if (GtkWidget* widget = keyboardWidgetOf(window_.focus())) FocusOn(gtkWindow_, widget);
}

GtkWidget* WindowRenderer::keyboardWidgetOf(const Control* control) const {
  // Looked up first: a control that is gone has no node, and is not touched.
  auto found = nodes_.find(control);
  if (found == nodes_.end() || !control->isReallyVisible()) return nullptr;
  return found->second->entry != nullptr ? found->second->entry : found->second->main;
}

void WindowRenderer::syncControl(Control& control, Control* parent, GtkWidget* parentFixed) {
  auto found = nodes_.find(&control);
  // A control that changed kind or moved to another parent gets new widgets.
  if (found != nodes_.end() && (found->second->kind != control.kind() || found->second->parent != parent)) {
    nodes_.erase(found);
    found = nodes_.end();
  }
  if (found == nodes_.end()) {
    auto node = std::make_unique<WidgetNode>(*this, control, parent);
    CreateWidgets(*node);
    found = nodes_.emplace(&control, std::move(node)).first;
  }
  WidgetNode& node = *found->second;
  node.seen = true;
  const Rect bounds = control.bounds();
  if (!node.placed) {
    gtk_fixed_put(GTK_FIXED(parentFixed), node.outer, bounds.x, bounds.y);
    node.placed = true;
  } else if (bounds.x != node.bounds.x || bounds.y != node.bounds.y) {
    gtk_fixed_move(GTK_FIXED(parentFixed), node.outer, bounds.x, bounds.y);
  }
  node.bounds = bounds;
  gtk_widget_set_size_request(node.outer, std::max(bounds.width, 1), std::max(bounds.height, 1));
  gtk_widget_set_visible(node.outer, control.visible());
  gtk_widget_set_sensitive(node.outer, control.enabled() && control.active());
  UpdateWidgets(node, control);
  if (node.fixed != nullptr)
    for (const std::unique_ptr<Control>& child : control.children()) syncControl(*child, &control, node.fixed);
  if (control.kind() == ControlKind::RadioGroup) groupRadioButtons(control);
}

void WindowRenderer::groupRadioButtons(const Control& group) {
  // GTK switches the others off when one is chosen, as the group's single value says.
  GtkCheckButton* first = nullptr;
  for (const std::unique_ptr<Control>& child : group.children()) {
    auto found = nodes_.find(child.get());
    if (child->kind() != ControlKind::RadioButton || found == nodes_.end()) continue;
    auto* button = GTK_CHECK_BUTTON(found->second->main);
    if (first == nullptr) first = button;
    else if (!found->second->grouped) gtk_check_button_set_group(button, first);
    found->second->grouped = true;
  }
}

std::optional<Rect> WindowRenderer::windowPlace() const { return ScreenPlaceOf(GTK_WIDGET(gtkWindow_)); }

std::optional<Rect> WindowRenderer::placeOf(const Control& control) const {
  auto found = nodes_.find(&control);
  if (found == nodes_.end() || !control.isReallyVisible()) return std::nullopt;
  // Until the window has been laid out, every place would read as the origin.
  if (gtk_widget_get_width(rootFixed_) == 0) return std::nullopt;
  return ScreenPlaceOf(found->second->outer);
}

std::optional<TitleFit> WindowRenderer::titleOf(const Control& control) const {
  auto found = nodes_.find(&control);
  if (found == nodes_.end() || !control.isReallyVisible() || found->second->main == nullptr) return std::nullopt;
  switch (control.kind()) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::PopupButton:
    case ControlKind::MenuButton:
    case ControlKind::GroupBox:
    case ControlKind::StaticText:
      break;
    default:
      return std::nullopt;
  }
  return MeasureTitle(found->second->main);
}

std::vector<WindowRenderer::ListRow> WindowRenderer::listRowsOf(const Control& control) const {
  std::vector<ListRow> rows;
  auto found = nodes_.find(&control);
  if (found == nodes_.end() || control.kind() != ControlKind::DataBrowser || !control.isReallyVisible()) return rows;
  const std::optional<Rect> list = ScreenPlaceOf(found->second->outer);
  if (!list) return rows;
  for (GtkWidget* row = gtk_widget_get_first_child(found->second->main); row != nullptr;
       row = gtk_widget_get_next_sibling(row)) {
    if (!GTK_IS_LIST_BOX_ROW(row)) continue;
    std::optional<Rect> place = ScreenPlaceOf(row);
    if (!place || place->y + place->height <= list->y || place->y >= list->y + list->height) continue;
    ListRow entry;
    entry.item = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(g_object_get_data(G_OBJECT(row), "korvo-row")));
    GtkWidget* cells = gtk_list_box_row_get_child(GTK_LIST_BOX_ROW(row));
    entry.place = ScreenPlaceOf(cells).value_or(*place);
    for (GtkWidget* cell = cells ? gtk_widget_get_first_child(cells) : nullptr; cell != nullptr;
         cell = gtk_widget_get_next_sibling(cell))
      if (GTK_IS_LABEL(cell)) entry.cells.emplace_back(gtk_label_get_text(GTK_LABEL(cell)));
    rows.push_back(std::move(entry));
  }
  return rows;
}

std::vector<WindowRenderer::ListColumn> WindowRenderer::listColumnsOf(const Control& control) const {
  std::vector<ListColumn> columns;
  auto found = nodes_.find(&control);
  if (found != nodes_.end() && control.kind() == ControlKind::TabControl && control.isReallyVisible()) {
    GtkNotebook* tabs = GTK_NOTEBOOK(found->second->main);
    for (int page = 0; page < gtk_notebook_get_n_pages(tabs); ++page) {
      GtkWidget* title = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, page));
      // The tab around the title is what a click lands on.
      GtkWidget* tab = title != nullptr ? gtk_widget_get_parent(title) : nullptr;
      if (std::optional<Rect> place = ScreenPlaceOf(tab); place && GTK_IS_LABEL(title))
        columns.push_back({gtk_label_get_text(GTK_LABEL(title)), *place});
    }
    return columns;
  }
  if (found == nodes_.end() || found->second->header == nullptr || !control.isReallyVisible()) return columns;
  for (GtkWidget* title = gtk_widget_get_first_child(found->second->header); title != nullptr;
       title = gtk_widget_get_next_sibling(title))
    if (std::optional<Rect> place = ScreenPlaceOf(title); place && GTK_IS_LABEL(title))
      columns.push_back({gtk_label_get_text(GTK_LABEL(title)), *place});
  return columns;
}

const Control* WindowRenderer::focusedControl() const {
  // The innermost control whose widgets hold the focus widget.
  for (GtkWidget* w = gtk_root_get_focus(GTK_ROOT(gtkWindow_)); w != nullptr; w = gtk_widget_get_parent(w))
    for (const auto& [control, node] : nodes_)
      if (node->outer == w || node->main == w || node->entry == w) return control;
  return nullptr;
}

std::optional<std::string> WindowRenderer::shownTextOf(const Control& control) const {
  GtkWidget* field = control.kind() == ControlKind::EditText || control.kind() == ControlKind::ComboBox
                         ? keyboardWidgetOf(&control)
                         : nullptr;
  if (field == nullptr) return std::nullopt;
  GtkEditable* text = gtk_editable_get_delegate(GTK_EDITABLE(field));
  const char* shown = gtk_editable_get_text(GTK_EDITABLE(field));
  if (shown == nullptr) return std::nullopt;
  if (text == nullptr || !GTK_IS_TEXT(text) || gtk_text_get_visibility(GTK_TEXT(text))) return std::string(shown);
  char dot[6] = {};
  const int dotLength = g_unichar_to_utf8(gtk_text_get_invisible_char(GTK_TEXT(text)), dot);
  std::string dots;
  for (glong i = g_utf8_strlen(shown, -1); i > 0; --i) dots.append(dot, static_cast<std::size_t>(dotLength));
  return dots;
}

std::vector<WindowRenderer::OpenMenuItem> WindowRenderer::openMenuItems() const {
  std::vector<OpenMenuItem> items;
  if (openPopover_ == nullptr || !gtk_widget_get_mapped(openPopover_)) return items;
  auto* box = static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(openPopover_), kMenuItemsKey));
  // Only items a click lands on: wholly inside the part of the menu scrolled into view, and on
  // the screen. The items lie in the scrolled box as far down as its scroll position says (the
  // box's own transform may still be that of an earlier placing of the menu).
  GtkWidget* viewport = box != nullptr ? gtk_widget_get_parent(box) : nullptr;
  const std::optional<Rect> view = viewport != nullptr ? ScreenPlaceOf(viewport) : std::nullopt;
  if (!view || !GTK_IS_SCROLLABLE(viewport)) return items;
  const auto scrolled = static_cast<int>(gtk_adjustment_get_value(gtk_scrollable_get_vadjustment(GTK_SCROLLABLE(viewport))));
  const std::optional<Rect> screen = ScreenOf(openPopover_);
  for (GtkWidget* child = gtk_widget_get_first_child(box); child != nullptr; child = gtk_widget_get_next_sibling(child)) {
    graphene_rect_t inBox;
    if (!GTK_IS_BUTTON(child) || !gtk_widget_compute_bounds(child, box, &inBox)) continue;
    // Cut at the view's right edge, where the scroll bar is drawn over a wide item.
    Rect place{view->x + static_cast<int>(inBox.origin.x), view->y + static_cast<int>(inBox.origin.y) - scrolled,
               static_cast<int>(inBox.size.width), static_cast<int>(inBox.size.height)};
    place.width = std::min(place.width, view->x + view->width - place.x);
    if (!Inside(place, *view) || (screen && !Inside(place, *screen))) continue;
    OpenMenuItem item;
    item.item = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(child), "korvo-item"));
    item.subItem = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(child), "korvo-subitem"));
    const char* label = gtk_button_get_label(GTK_BUTTON(child));
    item.text = label ? label : "";
    item.place = place;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace platform::ui::gtk
