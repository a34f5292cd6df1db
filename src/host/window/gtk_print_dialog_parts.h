#pragma once
// What GTK's print dialog does not offer through its interface but the print dialog command
// needs: its notebook (found by walking its children), its own tabs built from a PPD, and the
// places of its Print and Cancel buttons and of its fields for copies, pages and paper.
#include <gtk/gtk.h>

#include <string>
#include <vector>

namespace korvo_host {

// The notebook of GTK's tabs inside dialog; null when GTK built none.
GtkNotebook* FindNotebook(GtkWidget* dialog);

// The pages notebook holds now, in order.
std::vector<GtkWidget*> NotebookPages(GtkNotebook* notebook);

// Shows or hides the pages GTK makes from a printer's PPD (pages: every page but the first two,
// General and Page Setup, before any of ours were added). GTK shows and hides them itself as a
// printer's options arrive, so this is applied again after every change; pages GTK hid itself
// stay hidden.
void ShowPrinterOptionPages(const std::vector<GtkWidget*>& pages, bool shown);

// "dialog-button X Y W H TITLE" for the dialog's Print and Cancel buttons, those on screen.
std::string DialogButtonLines(GtkDialog* dialog);

// "gtk-field X Y W H ID" for GTK's own fields a person types or chooses a job's copies, pages and
// paper in, those on screen, by GTK's id of them ("copies_spin", "page_range_radio",
// "page_range_entry", "paper_size_combo").
std::string GtkFieldLines(GtkWidget* dialog);

// "printer X Y W H NAME" for each row of the dialog's list of printers, in order (no place,
// "0 0 0 0", for a row out of sight).
std::string PrinterListLines(GtkWidget* dialog);

}  // namespace korvo_host
