#include <cstdio>
int main() { std::puts("tesmor"); return 0; }
