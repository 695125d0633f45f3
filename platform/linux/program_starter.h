#pragma once
// Starts programs detached, with an argument list and never through a shell.
#include "platform/program_starter.h"

class ProgramStarter : public IProgramStarter {
 public:
  // `program` is a host path, or a name looked up on PATH.
  bool StartProgram(std::string_view program, const std::string_view* arguments,
                    int argumentCount) override;
};
