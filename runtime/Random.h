#pragma once

#include <memory>

namespace runtime {

// Where random numbers come from. The standard source seeds itself from the
// clock; tests put a source of their own in its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // The next value r of the sequence, 0 <= r < 1.
    virtual float next() = 0;
};

// Seeds the current source from the clock.
void Randomize();
// The next value of the current source, 0 <= r < 1 in single precision.
float Rnd();

// Makes `source` the current source (nullptr: the standard one) and returns
// the one it replaces, or nullptr if that was the standard one. The caller
// keeps ownership.
RandomSource *SetRandomSource(RandomSource *source);

} // namespace runtime
