#pragma once
// Owning handles of what GLib and GObject hand out, released by their own free functions.
#include <glib-object.h>

#include <memory>

namespace platform {

struct GLibFree {
  void operator()(GError* error) const { g_error_free(error); }
  void operator()(char* text) const { g_free(text); }
  void operator()(GList* list) const { g_list_free(list); }  // the list only, not its data
};

struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};

using GErrorPtr = std::unique_ptr<GError, GLibFree>;
using GCharPtr = std::unique_ptr<char, GLibFree>;
using GListPtr = std::unique_ptr<GList, GLibFree>;
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

}  // namespace platform
