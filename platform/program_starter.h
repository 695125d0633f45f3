#pragma once
// Starts a program with an argument list, never through a shell.
#include <string_view>

class IProgramStarter {
 public:
  virtual ~IProgramStarter() = default;
  // Returns true when the program was started.
  virtual bool StartProgram(std::string_view program, const std::string_view* arguments,
                            int argumentCount) = 0;
};
