// The four identifier checks on any typed text: each gives an outcome with its message.
#include "FuzzInput.h"

#include "checks/CheckRules.h"

using namespace dp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString s = fuzz::text(data, size);
    for (const auto check : {checks::checkFiscalCode, checks::checkVatNumber,
                             checks::checkCardNumber, checks::checkIban}) {
        const checks::CheckResult r = check(s);
        fuzz::require(!r.message.isEmpty());
    }
    checks::cardKind(checks::cardDigits(s), s.trimmed());
    if (const auto digits = checks::ibanDigitString(s))
        checks::mod97(*digits);
    checks::vatOfficeName(s.left(3));
    return 0;
}
