// Developer tool: writes a game table as UTF-8 CSV to standard output.
#include <cstdio>

int main() {
    std::fputs("usage: rusrina-dump TABLE\n", stderr);
    return 2;
}
