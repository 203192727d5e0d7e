// The program of the layer link checks (see CMakeLists.txt): it does nothing; linking
// it is the check.
int main() { return 0; }
