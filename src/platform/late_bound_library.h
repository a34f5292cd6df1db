#pragma once
// Libraries bound on first use instead of linked: most runs of the plug-in never draw, never read
// a picture and never talk to the printing system, and a linked library is loaded and relocated,
// with all the libraries it needs, by every run. A header per family of libraries
// (drawing_libraries.h, cups_library.h) includes the library's own headers and then turns each
// function the code calls into a call through its address, looked up once per call site.
//
// Only calls are late-bound; a function's address may not be taken (write a lambda or a functor
// that calls it). The linker refuses the platform library and the module when a call escapes,
// since neither links these libraries.

namespace platform::late_binding {

enum class Library { kCairo, kFreeType, kFontconfig, kHarfBuzzSubset, kGdkPixbuf, kCups };

// The address of the function named in library, loading the library on first use. A library
// that cannot be loaded, or lacks the function, is a broken installation, like a linked library
// missing at start-up: one "ERROR:" line names it and the process ends.
void* FunctionAddress(Library library, const char* name);

template <typename Function>
Function Bind(Library library, const char* name) {
  return reinterpret_cast<Function>(FunctionAddress(library, name));
}

}  // namespace platform::late_binding

#define KORVO_LATE_BOUND(library, function)                                                       \
  ([] {                                                                                           \
    static const auto bound = ::platform::late_binding::Bind<decltype(&function)>(                \
        ::platform::late_binding::Library::library, #function);                                   \
    return bound;                                                                                 \
  }())
