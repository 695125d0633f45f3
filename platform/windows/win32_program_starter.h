#pragma once
// Starts a program as the system's WinExec does, with a normal, shown window and
// without waiting for it, but from an argument list, never through a shell: each
// argument reaches the program whole, blanks and quotes included.
#include "platform/program_starter.h"

class Win32ProgramStarter : public IProgramStarter {
 public:
  // `program` is a path, or a name found as the system finds programs (the program's
  // own directory, the working directory, the system directories, then PATH).
  bool StartProgram(std::string_view program, const std::string_view* arguments,
                    int argumentCount) override;
};
