#pragma once

#include "app/Artwork.h"
#include "ui/ToolDialog.h"

#include <QUrl>

namespace dp {

class LinkLabel;

// What tells the information screen and the splash screen apart.
struct AboutConfig {
    const char16_t* className;
    const char16_t* caption;
    const char16_t* heading;  // the line under the program's name
    const char16_t* lines;    // the text above the link, lines separated by "\n"
    art::Picture picture;     // the picture beside the text
    QString (*linkText)();    // lnkWeb
    const char16_t* linkFont; // its family, with its point size
    int linkPointSize;
    const char16_t* linkImage; // objectName of the picture that follows the link
    bool envelope;             // that picture is the envelope (otherwise the globe)
    QUrl (*target)();          // where the link leads
};

// The screens that name the program's maker: logo, a few lines, one link that the desktop
// opens, and "Chiudi". A fixed frame without window buttons.
class AboutScreen : public ToolDialog {
    Q_OBJECT
  public:
    AboutScreen(AppContext& ctx, QWidget* owner, const AboutConfig& config);

    void lnkWebClick();

  private:
    const AboutConfig& m_config;
    LinkLabel* m_lnkWeb;
};

// The maker and how to reach it.
struct Maker {
    static QString name() { return QStringLiteral("Lorvani Software"); }
    static QString supportAddress() { return QStringLiteral("assistenza@depotta.it"); }
    static QString webSite() { return QStringLiteral("https://www.depotta.it"); }
};

} // namespace dp
