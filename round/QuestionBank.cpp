#include "round/QuestionBank.h"

#include "runtime/Checked.h"

const Question &BankRecord(const QuestionBank &bank, std::int16_t n)
{
    if (n < 1 || n > kBankSize)
        runtime::RaiseRuntimeError(runtime::RuntimeError::SubscriptOutOfRange);
    return bank[std::size_t(n - 1)];
}
