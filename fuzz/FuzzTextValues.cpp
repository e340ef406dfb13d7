// Dates and numbers typed by a user or read from a record: what parses prints back to a text
// that parses to the same value, and every normalisation gives a text that parses.
#include "FuzzInput.h"

#include "storage/TextValues.h"

#include <cmath>

using namespace dp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString s = fuzz::text(data, size);

    if (const auto date = text::parseDate(s)) {
        fuzz::require(date->isValid());
        fuzz::require(text::parseDate(text::formatDate(*date)) == date);
    }
    if (const auto v = text::parseNumber(s); v && std::isfinite(*v)) {
        const auto again = text::parseNumber(text::formatNumber(*v));
        fuzz::require(again.has_value());
        fuzz::require(std::fabs(*again - *v) <= std::fabs(*v) * 1e-14);
    }
    fuzz::require(text::parseNumber(text::normaliseWhole(s)).has_value());
    fuzz::require(text::parseNumber(text::normaliseAmount(s)).has_value());
    fuzz::require(text::trim(text::trim(s)) == text::trim(s));
    text::upperAscii(s);
    text::lowerAscii(s);
    return 0;
}
