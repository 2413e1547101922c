// Velmora: the office program's entry point.
#include "app/main/ProgramEntry.h"

int main() {
    return app::RunProgram();
}
