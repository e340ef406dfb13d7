#include "search/RecordListScreen.h"

#include "ui/LineListModel.h"

namespace dp {

RecordListScreen::RecordListScreen(AppContext& ctx, QWidget* owner,
                                   const search::RecordListConfig& def)
    : RecordListBase(ctx, owner, def.className, def.caption, def.layout, def.title), m_def(def) {}

void RecordListScreen::open(AppContext& ctx, QWidget* owner, const search::RecordListConfig& def,
                            RecordReceiver& receiver) {
    RecordListScreen screen(ctx, owner, def);
    screen.setReceiver(&receiver);
    screen.exec();
}

void RecordListScreen::FormShow() {
    model()->clear();
    search::RecordList list = listRecords(archivePath(), m_def.rule, m_def.format);
    setLines(list);
    if (!list.complete())
        reportIncomplete(list.accessFailed, search::listStopText(list.stoppedAt, list.stopReason),
                         list.busy);
}

} // namespace dp
