#include "app/TfrmInfo.h"

using namespace Qt::StringLiterals;

namespace dp {

namespace {
const AboutConfig kInfo = {
    .className = u"TfrmInfo",
    .caption = u" Informazioni su Depotta",
    .heading = u"Depotta 1.0",
    .lines = u"Gestione del magazzino, dei movimenti di carico e scarico, dei clienti e dei "
             u"fornitori.\nRealizzato da Lorvani Software.\n\nPer assistenza e informazioni "
             u"scrivi a:",
    .picture = art::Picture::Info,
    .linkText = &Maker::supportAddress,
    .linkFont = u"Tahoma",
    .linkPointSize = 14,
    .linkImage = u"imgEmail",
    .envelope = true,
    .target = &TfrmInfo::supportMail,
};
} // namespace

TfrmInfo::TfrmInfo(AppContext& ctx, QWidget* owner) : AboutScreen(ctx, owner, kInfo) {}

QUrl TfrmInfo::supportMail() {
    return QUrl(u"mailto:"_s + Maker::supportAddress() + u"?subject="_s + u"Software Depotta"_s +
                u"&body="_s +
                u"Salve, desidererei avere le seguenti informazioni sul software in oggetto:"_s);
}

} // namespace dp
