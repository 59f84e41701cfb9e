// Holds a file open from a separate process for the sharing tests:
//   morva_file_holder PATH MODE
// Opens PATH in the numbered MODE, prints "held" (or "failed <reason>") on
// stdout, then keeps the file open until its standard input closes.
#include "platform/SystemFileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: morva_file_holder PATH MODE\n");
        return 2;
    }
    auto fs = morva::platform::makeSystemFileSystem();
    morva::platform::FileError error = morva::platform::FileError::None;
    auto file = fs->open(argv[1], std::atoi(argv[2]), &error);
    if (file)
        std::printf("held\n");
    else
        std::printf("failed %s\n", morva::platform::fileErrorName(error));
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    return file ? 0 : 1;
}
