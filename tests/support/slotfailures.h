#pragma once

namespace klangtruhe::test {

// Routes Qt's critical and fatal messages, and warnings about broken signal
// connections, into test failures, so a fault inside a slot fails the test
// instead of vanishing into stderr.
void failOnQtWarningsFromSlots();

} // namespace klangtruhe::test
