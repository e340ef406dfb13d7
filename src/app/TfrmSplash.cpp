#include "app/TfrmSplash.h"

namespace dp {

namespace {
QUrl site() {
    return QUrl(Maker::webSite());
}

QString siteName() {
    return site().host();
}

const AboutConfig kSplash = {
    .className = u"TfrmSplash",
    .caption = u" Depotta - un programma di Lorvani Software",
    .heading = u"Depotta",
    .lines = u"Versione 1.0\nCopyright \u00a9 2026 Lorvani Software. Tutti i diritti "
             u"riservati.\n\nNovità, aggiornamenti e assistenza sul sito:",
    .picture = art::Picture::Copyright,
    .linkText = &siteName,
    .linkFont = u"Tahoma",
    .linkPointSize = 14,
    .linkImage = u"imgWeb",
    .envelope = false,
    .target = &site,
};
} // namespace

TfrmSplash::TfrmSplash(AppContext& ctx, QWidget* owner) : AboutScreen(ctx, owner, kSplash) {}

} // namespace dp
