#pragma once
// Files the installer writes, checked into the test data once and compared whole.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

// The bytes of tests/data/installer/<name>; empty when it is missing.
inline std::string Golden(const std::string& name) {
  const char* folder = std::getenv("SYLVARINE_TEST_DATA");
  std::ifstream file(std::string(folder ? folder : ".") + "/installer/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
