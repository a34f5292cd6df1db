#pragma once
// The module is built with hidden visibility: only what carries this marker (and the version
// script in src/shell/exports.map lets through) is seen by the print dialog and by other
// components that load the module.
#define KORVO_EXPORT __attribute__((visibility("default")))
