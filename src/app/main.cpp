#include <iostream>
#include <string>
#include <vector>

#include "app/locate_command.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--locate") {
    std::vector<std::string> args(argv + 2, argv + argc);
    return RunLocateCommand(args, std::cout, std::cerr);
  }
  // The windows of the program are added on top of this entry point.
  std::cerr << "tremora: only --locate is available in this build\n";
  return 2;
}
