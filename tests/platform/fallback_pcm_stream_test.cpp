// The capture stream chosen among several: the first that opens, never past a server that
// is there but does not answer.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "platform/linux/fallback_pcm_stream.h"

namespace {

// Opens with a set result and answers every other call with its number.
class Candidate : public IPcmStream {
 public:
  Candidate(int openResult, int number, std::vector<int>& tried)
      : openResult_(openResult), number_(number), tried_(tried) {}
  int Open() override {
    tried_.push_back(number_);
    return openResult_;
  }
  int Start() override { return number_; }
  void Stop() override {}
  long Read(uint8_t*, long, int, long&, bool&) override { return number_; }
  void Close() override {}

 private:
  int openResult_, number_;
  std::vector<int>& tried_;
};

TEST(FallbackPcmStream, OpensTheFirstThatOpensButNeverPastAServerThatHangs) {
  struct Case {
    std::vector<int> openResults;
    int opened;
    std::vector<int> tried;
    int started;  // the number of the stream in use, or the error of a device never opened
  };
  for (const Case& c : {Case{{-ECONNREFUSED, 0, 0}, 0, {0, 1}, 1},
                        Case{{-ETIMEDOUT, 0}, -ETIMEDOUT, {0}, -EBADFD},
                        Case{{-ECONNREFUSED, -ENOENT}, -ENOENT, {0, 1}, -EBADFD}}) {
    std::vector<int> tried;
    std::vector<std::unique_ptr<IPcmStream>> candidates;
    for (int i = 0; i < static_cast<int>(c.openResults.size()); ++i)
      candidates.push_back(std::make_unique<Candidate>(c.openResults[i], i, tried));
    FallbackPcmStream stream(std::move(candidates));
    EXPECT_EQ(stream.Open(), c.opened);
    EXPECT_EQ(tried, c.tried);
    EXPECT_EQ(stream.Start(), c.started);
    long lag = 0;
    bool broken = false;
    EXPECT_EQ(stream.Read(nullptr, 0, 0, lag, broken), c.started);
  }
}

}  // namespace
