#include <iostream>
#include <string>
#include <vector>

#include "app/locate_command.h"
#include "app/simulate_command.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--locate") {
    std::vector<std::string> args(argv + 2, argv + argc);
    return RunLocateCommand(args, std::cout, std::cerr);
  }
  if (argc > 1 && std::string(argv[1]) == "--simulate") {
    std::vector<std::string> args(argv + 2, argv + argc);
    return RunSimulateCommand(argc, argv, args, std::cout, std::cerr);
  }
  return RunProgram(argc, argv);
}
