#include <cstdio>

int main() {
  std::fputs("usage: korvo-pde show [--ppd FILE] [--session FILE]\n", stderr);
  return 2;
}
