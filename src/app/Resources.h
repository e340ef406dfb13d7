#pragma once

namespace dp {

// Registers the pictures compiled into the program (resources/resources.qrc). The resources
// live in a static library, so the executable and any test that shows them call this once.
void initResources();

} // namespace dp
