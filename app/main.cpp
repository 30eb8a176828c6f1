// Program entry: without a display the program says so in one line; otherwise it runs the
// tool.
#include "app/ChipTuning.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    char problem[512];
    if (!DisplayAvailable("orvo-tuning", problem, sizeof problem)) {
        std::fprintf(stderr, "%s\n", problem);
        return 1;
    }
    QApplication qt(argc, argv);
    return WinMain();
}
