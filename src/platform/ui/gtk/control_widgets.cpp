// The widget of each control kind, its signals turned into user actions, and its update from
// the control.
#include <cairo.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/drawing/cairo_handles.h"
#include "platform/glib_handles.h"
#include "platform/ui/gtk/title_fit.h"
#include "platform/ui/help_tag.h"
#include "platform/ui/gtk/widget_node.h"
#include "platform/ui/standard_commands.h"
#include "platform/ui/gtk/window_renderer.h"
#include "platform/ui/text_style.h"

namespace platform::ui::gtk {
namespace {

// Between the cells of a list row, and between the column titles above them.
constexpr int kCellSpacing = 6;
constexpr int kButtonPictureSide = 16;
// Between a text view's frame and its text, left and right.
constexpr int kTextInset = 4;

WidgetNode& NodeOf(gpointer data) { return *static_cast<WidgetNode*>(data); }

void UpdateContent(WidgetNode& node, Control& control);

void OnClicked(GtkButton*, gpointer data) {
  WidgetNode& node = NodeOf(data);
  node.owner.act(node.control, [](UserDriver& driver, Control& control) { return driver.click(control); });
}

void OnToggled(GtkCheckButton* button, gpointer data) {
  WidgetNode& node = NodeOf(data);
  if (node.owner.updating()) return;
  // A radio button that is switched off by its neighbour being chosen is not a click.
  if (node.kind == ControlKind::RadioButton && !gtk_check_button_get_active(button)) return;
  node.owner.act(node.control, [](UserDriver& driver, Control& control) { return driver.click(control); });
}

// Typing: the widget's own editing is stopped and the keystrokes go to the control, whose
// handlers may refuse or change them; the refresh then shows the text the control holds.
void OnInsertText(GtkEditable* editable, const char* text, int length, int* position, gpointer data) {
  WidgetNode& node = NodeOf(data);
  if (node.owner.updating()) return;
  g_signal_stop_emission_by_name(editable, "insert-text");
  const std::string typed = length < 0 ? std::string(text) : std::string(text, static_cast<std::size_t>(length));
  const int at = *position;
  node.owner.act(node.control, [&](UserDriver& driver, Control& control) {
    driver.select(control, {UTF16IndexOfCharIndex(control.text(), at), 0});
    return driver.type(control, typed);
  });
}

void OnDeleteText(GtkEditable* editable, int start, int end, gpointer data) {
  WidgetNode& node = NodeOf(data);
  if (node.owner.updating()) return;
  g_signal_stop_emission_by_name(editable, "delete-text");
  node.owner.act(node.control, [&](UserDriver& driver, Control& control) {
    const std::string& text = control.text();
    const std::size_t from = UTF16IndexOfCharIndex(text, start);
    const std::size_t to = end < 0 ? UTF16IndexOfCharIndex(text, 1 << 30) : UTF16IndexOfCharIndex(text, end);
    driver.select(control, {from, to - from});
    return driver.type(control, "\b");
  });
}

void ConnectEditing(GtkWidget* editableWidget, WidgetNode& node) {
  GtkEditable* delegate = gtk_editable_get_delegate(GTK_EDITABLE(editableWidget));
  GtkEditable* target = delegate != nullptr ? delegate : GTK_EDITABLE(editableWidget);
  g_signal_connect(target, "insert-text", G_CALLBACK(OnInsertText), &node);
  g_signal_connect(target, "delete-text", G_CALLBACK(OnDeleteText), &node);
}

// The same for a multi-line text view, whose buffer reports edits by character offsets.
void OnBufferInsert(GtkTextBuffer* buffer, GtkTextIter* location, const char* text, int length, gpointer data) {
  WidgetNode& node = NodeOf(data);
  if (node.owner.updating()) return;
  g_signal_stop_emission_by_name(buffer, "insert-text");
  const std::string typed = length < 0 ? std::string(text) : std::string(text, static_cast<std::size_t>(length));
  const int at = gtk_text_iter_get_offset(location);
  node.owner.act(node.control, [&](UserDriver& driver, Control& control) {
    driver.select(control, {UTF16IndexOfCharIndex(control.text(), at), 0});
    return driver.type(control, typed);
  });
}

void OnBufferDelete(GtkTextBuffer* buffer, GtkTextIter* start, GtkTextIter* end, gpointer data) {
  WidgetNode& node = NodeOf(data);
  if (node.owner.updating()) return;
  g_signal_stop_emission_by_name(buffer, "delete-range");
  const int from = gtk_text_iter_get_offset(start), to = gtk_text_iter_get_offset(end);
  node.owner.act(node.control, [&](UserDriver& driver, Control& control) {
    const std::size_t first = UTF16IndexOfCharIndex(control.text(), from);
    driver.select(control, {first, UTF16IndexOfCharIndex(control.text(), to) - first});
    return driver.type(control, "\b");
  });
}

void OnArrow(GtkButton* button, gpointer data) {
  WidgetNode& node = NodeOf(data);
  const bool up = g_object_get_data(G_OBJECT(button), "korvo-up") != nullptr;
  node.owner.act(node.control, [up](UserDriver& driver, Control& control) { return driver.pressArrow(control, up); });
}

void OnSliderMoved(GtkRange* range, gpointer data) {
  WidgetNode& node = NodeOf(data);
  const auto value = static_cast<std::int32_t>(gtk_range_get_value(range));
  node.owner.act(node.control, [value](UserDriver& driver, Control& control) { return driver.drag(control, value); });
}

void OnTabSwitched(GtkNotebook*, GtkWidget*, guint page, gpointer data) {
  WidgetNode& node = NodeOf(data);
  const int tab = static_cast<int>(page) + 1;
  // A click on a tab shows it, then tells the tab control's handlers; the refresh that follows
  // shows the tab the control holds, should they refuse it.
  node.owner.act(node.control, [tab](UserDriver& driver, Control& control) {
    control.setValue(tab);
    return driver.click(control);
  });
}

// A press or keystroke in a list: the selection change that follows is the person's. GTK also
// selects the first row when the list merely takes the keyboard focus; that is nobody's choice,
// and the next refresh puts back the selection the list holds.
void OnListPressed(GtkGestureClick*, int, double, double, gpointer data) { NodeOf(data).userInput = true; }
gboolean OnListKey(GtkEventControllerKey*, guint, guint, GdkModifierType, gpointer data) {
  NodeOf(data).userInput = true;
  return FALSE;
}

void WatchListInput(WidgetNode& node) {
  GtkEventController* click = GTK_EVENT_CONTROLLER(gtk_gesture_click_new());
  GtkEventController* keys = gtk_event_controller_key_new();
  g_signal_connect(click, "pressed", G_CALLBACK(OnListPressed), &node);
  g_signal_connect(keys, "key-pressed", G_CALLBACK(OnListKey), &node);
  for (GtkEventController* controller : {click, keys}) {
    gtk_event_controller_set_propagation_phase(controller, GTK_PHASE_CAPTURE);
    gtk_widget_add_controller(node.main, controller);  // the widget owns it
    node.signalSources.push_back(G_OBJECT(controller));
  }
}

void OnRowsSelected(GtkListBox* list, gpointer data) {
  WidgetNode& node = NodeOf(data);
  if (node.owner.updating()) return;
  if (!node.userInput) {
    WindowRenderer::ScheduleRefreshAll();
    return;
  }
  node.userInput = false;
  std::set<DataBrowserItemID> rows;
  const GListPtr selected(gtk_list_box_get_selected_rows(list));
  for (GList* entry = selected.get(); entry != nullptr; entry = entry->next) {
    auto* row = static_cast<GtkListBoxRow*>(entry->data);
    rows.insert(static_cast<DataBrowserItemID>(
        reinterpret_cast<std::uintptr_t>(g_object_get_data(G_OBJECT(row), "korvo-row"))));
  }
  node.owner.act(node.control, [&rows](UserDriver& driver, Control& control) { return driver.selectRows(control, rows); });
}

void DrawImages(GtkDrawingArea*, cairo_t* cr, int, int, gpointer data) {
  WidgetNode& node = NodeOf(data);
  for (const DrawnImage& image : node.images) {
    const CairoSurface surface(cairo_image_surface_create_from_png(image.path.c_str()));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) continue;
    // The picture fills the rectangle it was drawn into (a page shown small in a preview).
    const int width = cairo_image_surface_get_width(surface.get());
    const int height = cairo_image_surface_get_height(surface.get());
    cairo_save(cr);
    cairo_translate(cr, image.rect.x - node.bounds.x, image.rect.y - node.bounds.y);
    if (width > 0 && height > 0 && image.rect.width > 0 && image.rect.height > 0)
      cairo_scale(cr, static_cast<double>(image.rect.width) / width, static_cast<double>(image.rect.height) / height);
    cairo_set_source_surface(cr, surface.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  for (const DrawnSheet& sheet : node.sheets) {
    cairo_rectangle(cr, sheet.rect.x - node.bounds.x + 0.5, sheet.rect.y - node.bounds.y + 0.5, sheet.rect.width - 1,
                    sheet.rect.height - 1);
    cairo_set_source_rgb(cr, 1, 1, 1);
    if (sheet.filled) cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

GtkWidget* PictureOf(WidgetNode& node, const Control& control) {
  std::optional<std::string> path = node.owner.picturePath(control.picture());
  if (!path) return nullptr;
  GtkWidget* picture = gtk_picture_new_for_filename(path->c_str());
  gtk_picture_set_can_shrink(GTK_PICTURE(picture), TRUE);
  return picture;
}

// A container: a fixed layout the children are placed in, with the control's own widget (if
// any) below them, filling it.
void MakeContainer(WidgetNode& node, GtkWidget* background) {
  node.fixed = gtk_fixed_new();
  node.outer = node.fixed;
  if (background != nullptr) {
    gtk_widget_set_size_request(background, std::max(node.bounds.width, 1), std::max(node.bounds.height, 1));
    gtk_fixed_put(GTK_FIXED(node.fixed), background, 0, 0);
  }
}

// Return in a single-line field presses the window's default button, as in every GTK dialog: the
// key is the window's, never a character of the field (a multi-line text view keeps its Return).
// Drawn into someone else's window, the button is that window's own (Print in a print dialog),
// not the hidden one of the tree.
void OnFieldActivated(GtkWidget* field, gpointer data) {
  WidgetNode& node = NodeOf(data);
  if (node.owner.embedded()) {
    gtk_widget_activate_default(field);
    return;
  }
  node.owner.act(node.control, [](UserDriver& driver, Control& control) {
    return control.window() != nullptr ? driver.pressReturn(*control.window()) : kUserCannotReachErr;
  });
}

GtkWidget* MakeTextField(WidgetNode& node, bool password) {
  GtkWidget* field = password ? gtk_password_entry_new() : gtk_entry_new();
  // As wide as its place, no wider: GTK's field asks for room for 20 characters, which a window
  // with the field near its right edge would grow by (one tab of a dialog wider than the next).
  gtk_editable_set_max_width_chars(GTK_EDITABLE(field), 1);
  ConnectEditing(field, node);
  g_signal_connect(field, "activate", G_CALLBACK(OnFieldActivated), &node);
  return field;
}

// Every Help button looks the same, whatever its title or frame: a round "?" at the start of its
// frame, the title (if any) as its tooltip.
void MakeHelpButton(WidgetNode& node) {
  gtk_button_set_label(GTK_BUTTON(node.main), "?");
  gtk_widget_add_css_class(node.main, "circular");
  gtk_widget_add_css_class(node.main, "korvo-help");
  if (!node.control->title().empty()) gtk_widget_set_tooltip_text(node.main, node.control->title().c_str());
  const int side = std::max(std::min(node.bounds.width, node.bounds.height), 1);
  gtk_widget_set_size_request(node.main, side, side);
  gtk_widget_set_halign(node.main, GTK_ALIGN_START);
  gtk_widget_set_valign(node.main, GTK_ALIGN_CENTER);
  node.outer = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
  gtk_box_append(GTK_BOX(node.outer), node.main);
  g_signal_connect(node.main, "clicked", G_CALLBACK(OnClicked), &node);
}

}  // namespace

void CreateWidgets(WidgetNode& node) {
  const Control& control = *node.control;
  node.bounds = control.bounds();
  switch (node.kind) {
    case ControlKind::UserPane:
    case ControlKind::RadioGroup:
      MakeContainer(node, nullptr);
      break;
    case ControlKind::GroupBox:
      node.main = gtk_frame_new(nullptr);
      MakeContainer(node, node.main);
      break;
    case ControlKind::CustomView:
    case ControlKind::Picture:
      node.area = gtk_drawing_area_new();
      gtk_drawing_area_set_draw_func(GTK_DRAWING_AREA(node.area), DrawImages, &node, nullptr);
      MakeContainer(node, node.area);
      if (node.kind == ControlKind::Picture) {
        node.main = gtk_picture_new();
        gtk_picture_set_can_shrink(GTK_PICTURE(node.main), TRUE);
        gtk_widget_set_size_request(node.main, std::max(node.bounds.width, 1), std::max(node.bounds.height, 1));
        gtk_fixed_put(GTK_FIXED(node.fixed), node.main, 0, 0);
      }
      break;
    case ControlKind::TabControl:
      // GTK's notebook draws the row of tabs and the framed pane below; its pages are empty, the
      // panes' controls lie over them.
      node.main = gtk_notebook_new();
      MakeContainer(node, node.main);
      g_signal_connect(node.main, "switch-page", G_CALLBACK(OnTabSwitched), &node);
      break;
    case ControlKind::PushButton:
      node.main = gtk_button_new();
      if (control.command() == kHelpCommand) {
        MakeHelpButton(node);
        break;
      }
      if (GtkWidget* picture = PictureOf(node, control)) {
        if (control.title().empty()) {
          gtk_button_set_child(GTK_BUTTON(node.main), picture);
          gtk_widget_add_css_class(node.main, "korvo-picture");
        } else {
          // A picture before the title, as GTK's own buttons show an icon beside a label.
          GtkWidget* content = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 4);
          gtk_widget_set_halign(content, GTK_ALIGN_CENTER);
          gtk_widget_set_size_request(picture, kButtonPictureSide, kButtonPictureSide);
          gtk_box_append(GTK_BOX(content), picture);
          gtk_box_append(GTK_BOX(content), gtk_label_new(nullptr));
          gtk_button_set_child(GTK_BUTTON(node.main), content);
        }
      }
      g_signal_connect(node.main, "clicked", G_CALLBACK(OnClicked), &node);
      node.outer = node.main;
      break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      node.main = gtk_check_button_new();
      g_signal_connect(node.main, "toggled", G_CALLBACK(OnToggled), &node);
      node.outer = node.main;
      break;
    case ControlKind::PopupButton:
    case ControlKind::MenuButton:
      node.main = gtk_menu_button_new();
      gtk_menu_button_set_create_popup_func(
          GTK_MENU_BUTTON(node.main),
          [](GtkMenuButton*, gpointer data) { OpenMenuPopover(NodeOf(data)); },
          &node, nullptr);
      node.outer = node.main;
      break;
    case ControlKind::ComboBox: {
      node.outer = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
      node.entry = MakeTextField(node, false);
      gtk_widget_set_hexpand(node.entry, TRUE);
      node.main = gtk_menu_button_new();
      gtk_menu_button_set_create_popup_func(
          GTK_MENU_BUTTON(node.main),
          [](GtkMenuButton*, gpointer data) { OpenMenuPopover(NodeOf(data)); },
          &node, nullptr);
      gtk_box_append(GTK_BOX(node.outer), node.entry);
      gtk_box_append(GTK_BOX(node.outer), node.main);
      break;
    }
    case ControlKind::StaticText:
      node.main = gtk_label_new(nullptr);
      gtk_label_set_xalign(GTK_LABEL(node.main), 0.0f);
      gtk_label_set_wrap(GTK_LABEL(node.main), TRUE);
      node.outer = node.main;
      break;
    case ControlKind::EditText:
      node.main = MakeTextField(node, control.password());
      node.outer = node.main;
      break;
    case ControlKind::TextView: {
      node.main = gtk_text_view_new();
      gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(node.main), GTK_WRAP_WORD_CHAR);
      gtk_text_view_set_left_margin(GTK_TEXT_VIEW(node.main), kTextInset);  // clear of the frame
      gtk_text_view_set_right_margin(GTK_TEXT_VIEW(node.main), kTextInset);
      GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(node.main));
      g_signal_connect(buffer, "insert-text", G_CALLBACK(OnBufferInsert), &node);
      g_signal_connect(buffer, "delete-range", G_CALLBACK(OnBufferDelete), &node);
      // A text longer than its frame shows a scroll bar at once, not only while the pointer moves.
      node.outer = gtk_scrolled_window_new();
      gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(node.outer), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
      gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(node.outer), FALSE);
      gtk_scrolled_window_set_has_frame(GTK_SCROLLED_WINDOW(node.outer), TRUE);  // a field, as in GTK's dialogs
      gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(node.outer), node.main);
      break;
    }
    case ControlKind::LittleArrows: {
      // A pair of small buttons in the control's narrow frame (the compact style lets them shrink).
      node.outer = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
      gtk_widget_add_css_class(node.outer, "korvo-arrows");
      for (bool up : {true, false}) {
        GtkWidget* arrow = gtk_button_new_from_icon_name(up ? "pan-up-symbolic" : "pan-down-symbolic");
        gtk_widget_set_vexpand(arrow, TRUE);
        gtk_widget_set_focus_on_click(arrow, FALSE);
        if (up) g_object_set_data(G_OBJECT(arrow), "korvo-up", GINT_TO_POINTER(1));
        g_signal_connect(arrow, "clicked", G_CALLBACK(OnArrow), &node);
        gtk_box_append(GTK_BOX(node.outer), arrow);
      }
      break;
    }
    case ControlKind::Slider:
      node.main = gtk_scale_new_with_range(GTK_ORIENTATION_HORIZONTAL, 0, 1, 1);
      g_signal_connect(node.main, "value-changed", G_CALLBACK(OnSliderMoved), &node);
      node.outer = node.main;
      break;
    case ControlKind::DataBrowser: {
      // The column titles above the rows, which scroll beneath them.
      node.outer = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
      node.header = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, kCellSpacing);
      gtk_widget_add_css_class(node.header, "korvo-column-titles");
      node.main = gtk_list_box_new();
      gtk_widget_add_css_class(node.main, "korvo-rows");
      g_signal_connect(node.main, "selected-rows-changed", G_CALLBACK(OnRowsSelected), &node);
      WatchListInput(node);
      // Rows never scroll sideways: they are as wide as the list, and a selection cannot shift them.
      GtkWidget* scroller = gtk_scrolled_window_new();
      gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
      gtk_widget_set_vexpand(scroller, TRUE);
      gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroller), node.main);
      gtk_box_append(GTK_BOX(node.outer), node.header);
      gtk_box_append(GTK_BOX(node.outer), scroller);
      break;
    }
  }
  if (const std::string* tag = HelpTagOf(control)) gtk_widget_set_tooltip_text(node.outer, tag->c_str());
  g_object_ref_sink(node.outer);
}

namespace {

void SetEditableText(GtkWidget* field, const Control& control) {
  GtkEditable* editable = GTK_EDITABLE(field);
  const char* shown = gtk_editable_get_text(editable);
  if (shown != nullptr && control.text() == shown) return;
  gtk_editable_set_text(editable, control.text().c_str());
  const TextSelection selection = control.selection();
  gtk_editable_set_position(editable, CharIndexOfUTF16Index(control.text(), selection.start + selection.length));
}

void UpdateTabs(WidgetNode& node, const Control& control) {
  // One tab per pane, named by the pane's title or its number.
  GtkNotebook* tabs = GTK_NOTEBOOK(node.main);
  const auto panes = static_cast<int>(control.children().size());
  if (gtk_notebook_get_n_pages(tabs) != panes) {
    while (gtk_notebook_get_n_pages(tabs) > 0) gtk_notebook_remove_page(tabs, -1);
    int tab = 0;
    for (const std::unique_ptr<Control>& child : control.children()) {
      ++tab;
      const std::string title = child->title().empty() ? std::to_string(tab) : child->title();
      gtk_notebook_append_page(tabs, gtk_box_new(GTK_ORIENTATION_VERTICAL, 0), gtk_label_new(title.c_str()));
    }
  }
  if (control.value() >= 1 && control.value() <= panes) gtk_notebook_set_current_page(tabs, control.value() - 1);
}

// A cell of the list: as wide as its column says (the last one takes what is left), its text
// cut short rather than widening the row; a row's last cell wraps instead, so that a long text
// there can be read whole.
GtkWidget* MakeCell(const std::string& text, const DataBrowserColumn& column, bool last, bool wraps = false) {
  GtkWidget* cell = gtk_label_new(text.c_str());
  gtk_label_set_xalign(GTK_LABEL(cell), 0.0f);
  if (wraps) {
    gtk_label_set_wrap(GTK_LABEL(cell), TRUE);
    gtk_label_set_wrap_mode(GTK_LABEL(cell), PANGO_WRAP_WORD_CHAR);
    gtk_label_set_max_width_chars(GTK_LABEL(cell), 1);
  } else {
    gtk_label_set_ellipsize(GTK_LABEL(cell), PANGO_ELLIPSIZE_END);
  }
  gtk_widget_set_size_request(cell, std::max(column.width, 1), -1);
  if (last) gtk_widget_set_hexpand(cell, TRUE);
  return cell;
}

void UpdateColumnTitles(WidgetNode& node, const DataBrowser& browser) {
  while (GtkWidget* title = gtk_widget_get_first_child(node.header)) gtk_box_remove(GTK_BOX(node.header), title);
  const std::vector<DataBrowserColumn>& columns = browser.columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    GtkWidget* title = MakeCell(columns[i].title, columns[i], i + 1 == columns.size());
    gtk_widget_add_css_class(title, "heading");
    gtk_box_append(GTK_BOX(node.header), title);
  }
  gtk_widget_set_visible(node.header, std::any_of(columns.begin(), columns.end(),
                                                  [](const DataBrowserColumn& c) { return !c.title.empty(); }));
}

// Everything the list shows, as one text: the rows are made again only when it changes, so a
// refresh neither loses the scroll position nor moves the keyboard focus.
std::string ListContent(const DataBrowser& browser) {
  std::string content;
  for (const DataBrowserColumn& column : browser.columns())
    content += column.title + '\x1f' + std::to_string(column.width) + '\x1e';
  for (DataBrowserItemID item : browser.items()) {
    content += std::to_string(item);
    for (const DataBrowserColumn& column : browser.columns()) content += '\x1f' + browser.cellText(item, column.property);
    content += '\x1e';
  }
  return content;
}

void UpdateRows(WidgetNode& node, Control& control) {
  DataBrowser& browser = control.dataBrowser();
  GtkListBox* list = GTK_LIST_BOX(node.main);
  gtk_list_box_set_selection_mode(list, browser.multipleSelection() ? GTK_SELECTION_MULTIPLE : GTK_SELECTION_SINGLE);
  if (std::string content = ListContent(browser); content != node.listContent) {
    node.listContent = std::move(content);
    UpdateColumnTitles(node, browser);
    while (GtkWidget* row = gtk_widget_get_first_child(node.main)) gtk_list_box_remove(list, row);
    const std::vector<DataBrowserColumn>& columns = browser.columns();
    for (DataBrowserItemID item : browser.items()) {
      GtkWidget* cells = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, kCellSpacing);
      for (std::size_t i = 0; i < columns.size(); ++i)
        gtk_box_append(GTK_BOX(cells),
                       MakeCell(browser.cellText(item, columns[i].property), columns[i], i + 1 == columns.size(),
                                i + 1 == columns.size()));
      gtk_list_box_append(list, cells);
      GtkListBoxRow* row = GTK_LIST_BOX_ROW(gtk_widget_get_last_child(node.main));
      g_object_set_data(G_OBJECT(row), "korvo-row", reinterpret_cast<gpointer>(static_cast<std::uintptr_t>(item)));
    }
  }
  // The selection the browser holds, row by row.
  for (GtkWidget* w = gtk_widget_get_first_child(node.main); w != nullptr; w = gtk_widget_get_next_sibling(w)) {
    if (!GTK_IS_LIST_BOX_ROW(w)) continue;
    GtkListBoxRow* row = GTK_LIST_BOX_ROW(w);
    const auto item = static_cast<DataBrowserItemID>(reinterpret_cast<std::uintptr_t>(g_object_get_data(G_OBJECT(row), "korvo-row")));
    const bool chosen = browser.selection().count(item) != 0;
    if (chosen != static_cast<bool>(gtk_list_box_row_is_selected(row))) {
      if (chosen) gtk_list_box_select_row(list, row);
      else gtk_list_box_unselect_row(list, row);
    }
  }
}

}  // namespace

void UpdateWidgets(WidgetNode& node, Control& control) {
  UpdateContent(node, control);
  // A title too long for its control is cut short inside it, never drawn over its neighbours.
  if (node.main != nullptr && node.kind != ControlKind::TabControl) KeepTitleInside(node.main);
}

namespace {

struct PangoAttrListUnref {
  void operator()(PangoAttrList* list) const { pango_attr_list_unref(list); }
};
using PangoAttrListPtr = std::unique_ptr<PangoAttrList, PangoAttrListUnref>;

// A size or colour of the control's own, over the theme's.
void ApplyTextStyle(GtkLabel* label, const TextStyle& style) {
  if (style == TextStyle{}) return;
  const PangoAttrListPtr attributes(pango_attr_list_new());
  if (style.points > 0) pango_attr_list_insert(attributes.get(), pango_attr_size_new(style.points * PANGO_SCALE));
  if (style.rgb) {
    auto channel = [&](int shift) { return static_cast<guint16>(((*style.rgb >> shift) & 0xFF) * 257); };
    pango_attr_list_insert(attributes.get(), pango_attr_foreground_new(channel(16), channel(8), channel(0)));
  }
  gtk_label_set_attributes(label, attributes.get());
}

void UpdateContent(WidgetNode& node, Control& control) {
  switch (node.kind) {
    case ControlKind::UserPane:
    case ControlKind::RadioGroup:
      break;
    case ControlKind::GroupBox:
      gtk_frame_set_label(GTK_FRAME(node.main), control.title().empty() ? nullptr : control.title().c_str());
      break;
    case ControlKind::CustomView:
    case ControlKind::Picture: {
      // The control draws itself now, as a real window would ask it to.
      Event draw(kEventClassControl, kEventControlDraw);
      draw.control = &control;
      SendEventToEventTarget(draw, &control);
      node.images = ImagesDrawnIn(control);
      node.sheets = SheetsDrawnIn(control);
      // A picture control shows the file it names now; the panels change it as choices change.
      if (node.kind == ControlKind::Picture && control.picture() != node.pictureName) {
        node.pictureName = control.picture();
        std::optional<std::string> path = node.owner.picturePath(node.pictureName);
        gtk_picture_set_filename(GTK_PICTURE(node.main), path ? path->c_str() : nullptr);
      }
      gtk_widget_set_size_request(node.area, std::max(node.bounds.width, 1), std::max(node.bounds.height, 1));
      gtk_widget_queue_draw(node.area);
      break;
    }
    case ControlKind::TabControl:
      UpdateTabs(node, control);
      break;
    case ControlKind::PushButton:
      if (control.command() == kHelpCommand) break;
      if (GtkWidget* child = gtk_button_get_child(GTK_BUTTON(node.main)); child != nullptr && GTK_IS_BOX(child))
        gtk_label_set_text(GTK_LABEL(gtk_widget_get_last_child(child)), control.title().c_str());
      else if (control.picture().empty() || child == nullptr || GTK_IS_LABEL(child))
        gtk_button_set_label(GTK_BUTTON(node.main), control.title().c_str());
      break;
    case ControlKind::CheckBox:
      gtk_check_button_set_label(GTK_CHECK_BUTTON(node.main), control.title().c_str());
      gtk_check_button_set_active(GTK_CHECK_BUTTON(node.main), control.value() != 0);
      break;
    case ControlKind::RadioButton: {
      gtk_check_button_set_label(GTK_CHECK_BUTTON(node.main), control.title().c_str());
      // Chosen when the group's value is this button's place among the group's buttons.
      int place = 0, index = 0;
      if (const Control* group = control.parent()) {
        for (const std::unique_ptr<Control>& sibling : group->children()) {
          if (sibling->kind() != ControlKind::RadioButton) continue;
          ++index;
          if (sibling.get() == &control) place = index;
        }
        gtk_check_button_set_active(GTK_CHECK_BUTTON(node.main), group->kind() == ControlKind::RadioGroup
                                                                      ? group->value() == place
                                                                      : control.value() != 0);
      }
      break;
    }
    case ControlKind::PopupButton: {
      const MenuItem* chosen = control.selectedItem();
      gtk_menu_button_set_label(GTK_MENU_BUTTON(node.main), chosen != nullptr ? chosen->text.c_str() : "");
      break;
    }
    case ControlKind::MenuButton:
      gtk_menu_button_set_label(GTK_MENU_BUTTON(node.main), control.title().c_str());
      break;
    case ControlKind::ComboBox:
      SetEditableText(node.entry, control);
      break;
    case ControlKind::StaticText:
      gtk_label_set_text(GTK_LABEL(node.main), control.text().empty() ? control.title().c_str() : control.text().c_str());
      ApplyTextStyle(GTK_LABEL(node.main), TextStyleOf(control));
      break;
    case ControlKind::EditText:
      SetEditableText(node.main, control);
      break;
    case ControlKind::TextView: {
      GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(node.main));
      GtkTextIter start, end;
      gtk_text_buffer_get_bounds(buffer, &start, &end);
      const GCharPtr shown(gtk_text_buffer_get_text(buffer, &start, &end, FALSE));
      if (control.text() != shown.get()) gtk_text_buffer_set_text(buffer, control.text().c_str(), -1);
      // A summary one only reads shows no caret and is passed over by Tab and the pointer.
      gtk_text_view_set_editable(GTK_TEXT_VIEW(node.main), !control.locked());
      gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(node.main), !control.locked());
      gtk_widget_set_focusable(node.main, !control.locked());
      break;
    }
    case ControlKind::LittleArrows:
      break;
    case ControlKind::Slider:
      gtk_range_set_range(GTK_RANGE(node.main), control.minimum(),
                          control.maximum() > control.minimum() ? control.maximum() : control.minimum() + 1);
      gtk_range_set_value(GTK_RANGE(node.main), control.value());
      break;
    case ControlKind::DataBrowser:
      UpdateRows(node, control);
      break;
  }
}

}  // namespace

}  // namespace platform::ui::gtk
