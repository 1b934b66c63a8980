// keyboard_page: writes docs/keyboard.htm from the command table at build time.
#include "tools/keyboard_page/keyboard_page.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Usage: keyboard_page OUTPUT.htm\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << lw::keyboardPageHtml();
    out.close();
    if (!out) {
        std::fprintf(stderr, "keyboard_page: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
