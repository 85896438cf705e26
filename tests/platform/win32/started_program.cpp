// The program the system-information launcher starts in its tests. A windowed program, as the
// system-information program is, so Wine gives it no console of its own; it ends at once, so
// nothing of it outlasts the test (a program left running would hold the test's output open).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return 0;
}
