// The korvo backend program; the work is in korvo_backend.cpp.
#include "backend/korvo_backend.h"

int main(int argc, char* argv[]) { return RunKorvoBackend(argc, argv, stdout, stderr); }
