// Program entry. The main window is not built yet: the program starts the application
// object and exits with a message that says so.
#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::fprintf(stderr, "ORVO Tuning: the main window is not built yet; nothing to show.\n");
    return 1;
}
