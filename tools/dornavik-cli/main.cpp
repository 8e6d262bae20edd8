// dornavik-cli: the headless face of Dornavik.
#include <cstdio>

int main() { return 0; }
