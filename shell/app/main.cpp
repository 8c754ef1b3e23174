#include "shell/app/Program.h"

int main(int, char** argv) {
    return fr::runProgram(argv[0]);
}
