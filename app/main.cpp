// Program entry. The main window is not built yet: the program starts the application
// object, takes its title and exits with a message that says so.
#include "platform/controls/Application.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    Application->Initialize();
    Application->SetTitle(QStringLiteral("ORVO Tuning"));
    std::fprintf(stderr, "%s: the main window is not built yet; nothing to show.\n",
                 Application->Title().toUtf8().constData());
    return 1;
}
