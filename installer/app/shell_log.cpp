#include "installer/app/shell_log.h"

#include <cstdio>
#include <string>

void LogLine(std::string_view kind, std::string_view text) {
  std::string line(kind);
  line += ": ";
  line += text;
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}
