// A library someone put in the folder the program starts in: loading it runs its
// constructor, which leaves a file in the working folder.
#include <cstdio>

__attribute__((constructor)) static void LeaveTrace() {
    if (FILE* trace = std::fopen("planted-library-ran", "w")) std::fclose(trace);
}
