#pragma once
// Golden files: a test's whole output compared with a file under tests/data, so a fact
// the code holds is written down once, as data. Running the tests with
// SYLVARINE_UPDATE_GOLDEN=1 writes the files afresh; review them as any change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

inline std::string TestDataPath(const std::string& name) {
  const char* folder = std::getenv("SYLVARINE_TEST_DATA");
  return std::string(folder != nullptr ? folder : SYLVARINE_TEST_DATA_DIR) + "/" + name;
}

inline ::testing::AssertionResult MatchesGoldenFile(const std::string& name,
                                                    const std::string& actual) {
  const std::string path = TestDataPath(name);
  if (std::getenv("SYLVARINE_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
    return ::testing::AssertionSuccess();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return ::testing::AssertionFailure() << "no golden file " << path;
  std::stringstream stored;
  stored << in.rdbuf();
  const std::string expected = stored.str();
  if (expected == actual) return ::testing::AssertionSuccess();
  std::istringstream expectedLines(expected), actualLines(actual);
  std::string e, a;
  for (int line = 1;; ++line) {
    const bool moreExpected = static_cast<bool>(std::getline(expectedLines, e));
    const bool moreActual = static_cast<bool>(std::getline(actualLines, a));
    if (!moreExpected && !moreActual) break;
    if (moreExpected != moreActual || e != a)
      return ::testing::AssertionFailure()
             << path << " differs at line " << line << "\n  expected: "
             << (moreExpected ? e : "(end)") << "\n  actual:   " << (moreActual ? a : "(end)");
  }
  return ::testing::AssertionFailure() << path << " differs in its line ends";
}
