// The program the system-information launcher starts in its tests: it ends at once, so nothing
// of it outlasts the test (a program left running would hold the test's output open).
int main() {}
