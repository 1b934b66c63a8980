// lwtool: render, export and inspect Loopwright documents without a window.
#include "tools/lwtool/run.h"

int main(int argc, char** argv)
{
    return lwtool::run(argc, argv);
}
