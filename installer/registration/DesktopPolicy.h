#pragma once

#include "rules/RegistrationTarget.h"
#include "rules/SaverPolicy.h"

#include <string>

// The screen saver policy that applies to the target's desktop: the machine's and that user's
// policy keys. A missing key is no policy (the 9x family has none).
SaverPolicy ReadDesktopPolicy(const RegistrationTarget& target);

// The sentence that tells which saver the policy gives the desktop, in the product's language;
// empty when no policy decides.
std::wstring PolicyNotice(const SaverPolicy& policy);
