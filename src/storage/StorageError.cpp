#include "storage/StorageError.h"

namespace dp {

Q_LOGGING_CATEGORY(lcStorage, "depotta.storage")

void logStorageError(const std::exception& error) {
    qCWarning(lcStorage).noquote() << QString::fromUtf8(error.what());
}

} // namespace dp
