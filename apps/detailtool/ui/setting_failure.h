#pragma once
// Telling the dealer that a setting did not reach the definition copy.

namespace tk73dtl {

void reportUnlessStored(bool stored);

}  // namespace tk73dtl
