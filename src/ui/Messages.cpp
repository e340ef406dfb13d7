#include "ui/Messages.h"

#include "storage/StorageError.h"
#include "ui/AppContext.h"

namespace dp {

void reportArchiveError(AppContext& ctx, QWidget* parent) {
    ctx.platform().notice(parent, NoticeKind::Error, kArchiveErrorText);
}

} // namespace dp
