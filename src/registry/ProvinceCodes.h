#pragma once

#include <QStringList>

namespace dp {

// The 112 province codes offered by the province boxes of the customer and supplier
// sheets, in the order the lists show them. Nothing restricts a box to these codes.
const QStringList& provinceCodes();

} // namespace dp
