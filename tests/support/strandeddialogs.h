#pragma once

namespace klangtruhe::test {

// A modal dialog that no test answers would block its test until the test
// runner kills it, without a word on what was asked. This closes any modal
// dialog still open after half a minute and fails the test with its title.
void closeStrandedDialogs();

} // namespace klangtruhe::test
