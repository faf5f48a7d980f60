#pragma once

#include <array>
#include <cstdint>
#include <functional>

class QString;

namespace runtime {

// The program's integers: 16-bit, signed, and checked on every addition.
using Integer = std::int16_t;

// The runtime's own errors, numbered as the runtime reports them.
enum class RuntimeError : int {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    ObjectRequired = 424, // a control the loaded window does not have
};

// Reports a runtime error: the standard message, then the program ends with
// the error's number as its exit status. Nothing traps it.
[[noreturn]] void RaiseRuntimeError(RuntimeError error);

// The text of the standard message, e.g. "Run-time error '6':\n\nOverflow".
QString RuntimeErrorMessage(RuntimeError error);

// Replaces what RaiseRuntimeError does once it has the error; tests use it to
// see the error instead of ending the process. The handler must not return
// (throwing is fine). Returns the previous handler; an empty one restores the
// standard behaviour.
using FatalErrorHandler = std::function<void(RuntimeError)>;
FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler);

// a + b, or the overflow error when the sum does not fit.
Integer CheckedAdd(Integer a, Integer b);

// The largest integer not above x, as an Integer; the overflow error when it
// does not fit (or x is not a number).
Integer FloorToInteger(double x);

// A number of single precision computed in wider arithmetic; the overflow
// error when it is not finite in single precision.
float CheckedSingle(double x);

// An integer as decimal digits with no leading blank: 7 gives "7".
QString IntegerText(Integer value);

// A fixed array with declared bounds Lower..Upper; every access is checked.
template <typename T, int Lower, int Upper>
class FixedArray {
    static_assert(Lower <= Upper);

public:
    T &operator()(int index) { return elements_[offset(index)]; }
    const T &operator()(int index) const { return elements_[offset(index)]; }

    static constexpr int lowerBound() { return Lower; }
    static constexpr int upperBound() { return Upper; }

private:
    static std::size_t offset(int index)
    {
        if (index < Lower || index > Upper)
            RaiseRuntimeError(RuntimeError::SubscriptOutOfRange);
        return static_cast<std::size_t>(index - Lower);
    }

    std::array<T, Upper - Lower + 1> elements_{};
};

} // namespace runtime
