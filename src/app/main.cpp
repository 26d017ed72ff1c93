// Vistrane 2000. No command-line argument is read: the program directory is
// the executable's.
#include <QApplication>

#include "app/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return vis::RunProgram(vis::ExecutableDirectory());
}
