// GTK's print dialog and nothing else, as a yardstick for korvo-pde print-dialog: the same
// dialog set up the same way (page set-up embedded; copies, collate, page ranges and reverse, no
// preview or scale for a finished PDF), without our tabs. It exits as soon as the dialog is
// mapped, so its running time is the time from start to the dialog on screen.
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

static gboolean shown = FALSE;

static void OnMapped(GtkWidget* dialog, gpointer data) {
  (void)dialog;
  (void)data;
  shown = TRUE;
}

int main(void) {
  gtk_init();
  GtkWidget* dialog = gtk_print_unix_dialog_new("Print", NULL);
  GtkPrintUnixDialog* print = GTK_PRINT_UNIX_DIALOG(dialog);
  gtk_print_unix_dialog_set_embed_page_setup(print, TRUE);
  gtk_print_unix_dialog_set_manual_capabilities(
      print, GTK_PRINT_CAPABILITY_COPIES | GTK_PRINT_CAPABILITY_COLLATE | GTK_PRINT_CAPABILITY_REVERSE |
                 GTK_PRINT_CAPABILITY_PAGE_SET);
  g_signal_connect(dialog, "map", G_CALLBACK(OnMapped), NULL);
  gtk_window_present(GTK_WINDOW(dialog));
  while (!shown) g_main_context_iteration(NULL, TRUE);
  return 0;
}
