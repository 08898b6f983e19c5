// A random source that plays back fixed values, for pinning the draws of the dealing methods.
// Asking for more than was scripted fails the running test and throws, so a generator that keeps
// redrawing ends the test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "board/random_source.h"

namespace vocari::testing {

struct ScriptExhausted : std::runtime_error {
  ScriptExhausted() : std::runtime_error("scripted random values exhausted") {}
};

class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> values = {}) : values_(std::move(values)) {}

  // Appends, `times` times, the value that makes draw(m) give k: the middle of k's interval.
  ScriptedRandom& push(int m, int k, std::size_t times = 1) {
    values_.insert(values_.end(), times, static_cast<float>((k + 0.5) / m));
    return *this;
  }

  float rnd() override {
    if (next_ == values_.size()) {
      ADD_FAILURE() << "the generator asked for more than the " << values_.size() << " scripted values";
      throw ScriptExhausted();
    }
    events += 'd';
    return values_[next_++];
  }
  void reseed() override { events += 'r'; }

  std::size_t remaining() const { return values_.size() - next_; }

  // Every call in order: 'r' a reseed, 'd' a draw; a test may add marks of its own (a yield).
  std::string events;

 private:
  std::vector<float> values_;
  std::size_t next_ = 0;
};

}  // namespace vocari::testing
