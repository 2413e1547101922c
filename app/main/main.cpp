// Velmora: the office program's entry point.
#include "app/ProgramEntry.h"

int main() {
    return app::RunProgram();
}
