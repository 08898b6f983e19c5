// A random source that plays back a fixed list of values, for pinning the draws of the dealing
// methods. Asking for more values than scripted fails the running test and throws, so a generator
// that keeps redrawing ends the test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "board/random_source.h"

namespace vocari::testing {

// The value that makes draw(m) give k: the middle of k's interval.
inline float valueFor(int m, int k) { return static_cast<float>((k + 0.5) / m); }

struct ScriptExhausted : std::runtime_error {
  ScriptExhausted() : std::runtime_error("scripted random values exhausted") {}
};

class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

  // Appends a raw value.
  ScriptedRandom& pushValue(float v) {
    values_.push_back(v);
    return *this;
  }
  // Appends the value that makes draw(m) give k, `times` times over.
  ScriptedRandom& push(int m, int k, std::size_t times = 1) {
    values_.insert(values_.end(), times, valueFor(m, k));
    return *this;
  }

  float rnd() override {
    if (next_ >= values_.size()) {
      if (!exhausted_) ADD_FAILURE() << "the generator asked for more than the " << values_.size() << " scripted values";
      exhausted_ = true;
      throw ScriptExhausted();
    }
    const float v = values_[next_++];
    if (!(v >= 0.0f && v < 1.0f)) ADD_FAILURE() << "scripted value " << v << " is outside [0, 1)";
    if (log_) *log_ += 'r';
    return v;
  }
  void reseed() override {
    ++reseeds_;
    if (log_) *log_ += 'S';
  }

  // Reseeds add 'S' and draws 'r' to `log`, so a test can see them between its own events.
  void logTo(std::string* log) { log_ = log; }

  std::size_t used() const { return next_; }
  std::size_t remaining() const { return values_.size() - next_; }
  std::size_t size() const { return values_.size(); }
  int reseeds() const { return reseeds_; }
  bool exhausted() const { return exhausted_; }

 private:
  std::vector<float> values_;
  std::size_t next_ = 0;
  int reseeds_ = 0;
  bool exhausted_ = false;
  std::string* log_ = nullptr;
};

}  // namespace vocari::testing
