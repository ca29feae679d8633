// Running the test thread's message loop for a while, as a program's main loop would.
#pragma once
#include <functional>

namespace qvtest
{

// Dispatches every message that arrives during `ms` milliseconds.
void PumpMessages(unsigned ms = 0);

// Dispatches messages until `done()` is true or `timeoutMs` has passed; returns done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);

}   // namespace qvtest
