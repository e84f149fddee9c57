#pragma once
// Window and thread procedures are called by Windows, which cannot carry a
// C++ exception back through its own frames. A procedure that might throw
// (an allocation that fails) answers with its fallback instead.

template <typename Result, typename Body>
Result NoThrow(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}
