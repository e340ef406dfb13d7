#pragma once

#include <QString>

class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMargins;
class QPixmap;
class QWidget;

// The program's look in one place: its colours, the sizes screens share, and the few
// decorated pieces every screen draws the same way (the heading band, the highlight frame).
namespace dp::style {

// Palette.
inline constexpr const char* kHighlight = "#ffff00";       // field with the focus
inline constexpr const char* kHeadingBack = "#e8eef7";     // heading band
inline constexpr const char* kHeadingBorder = "#c9d4e4";   // heading band
inline constexpr const char* kReadOnlyBack = "#eef0f3";    // shown-only fields
inline constexpr const char* kReadOnlyText = "#26303b";    // shown-only fields
inline constexpr const char* kStatusBack = "#f7f8fa";      // status line
inline constexpr const char* kStatusBorder = "#c9d0da";    // status line
inline constexpr const char* kWaiting = "#b00000";         // "Attendere..." notices
inline constexpr const char* kLoadBack = "#e3f4e8";        // a load: in
inline constexpr const char* kLoadText = "#1f7a3d";        // a load: in
inline constexpr const char* kLoadButton = "#2e9d4f";      // the + of the stock
inline constexpr const char* kUnloadBack = "#fbe6e4";      // an unload: out
inline constexpr const char* kUnloadText = "#a3281f";      // an unload: out
inline constexpr const char* kUnloadButton = "#c83a32";    // the - of the stock
inline constexpr const char* kButtonHoverRing = "#1d2733"; // coloured buttons under the mouse
inline constexpr const char* kLink = "#7fff00";            // picture captions that act as links
inline constexpr const char* kLinkDisabled = "#8a9a8a";
inline constexpr const char* kLinkPressed = "#ffa500"; // while the mouse button is held on it
inline constexpr const char* kLinkText = "#00008b";    // link texts of help and information
inline constexpr const char* kHelpTitle = "#dc143c";   // help titles, and the advice of lists
// The program's own screens: login, password change, main menu, information.
inline constexpr const char* kInk = "#1f3a56";          // their texts; the logo band from
inline constexpr const char* kLogoBandEnd = "#2d5378";  // the logo band to
inline constexpr const char* kMutedText = "#51657a";    // the main menu's footer
inline constexpr const char* kLoginBack = "#f4f6f9";    // login and password change
inline constexpr const char* kLoginBorder = "#9aabbd";  // their password fields
inline constexpr const char* kMenuBackTop = "#eef2f6";  // the main menu, top
inline constexpr const char* kMenuBackEnd = "#dfe6ee";  // the main menu, bottom
inline constexpr const char* kCardBorder = "#cbd5e0";   // the main menu's area cards
inline constexpr const char* kCardHover = "#eef3f8";    // an area picture under the mouse
inline constexpr const char* kAreaOffBack = "#b7c0ca";  // an area bar with no screen
inline constexpr const char* kAreaOffText = "#eef1f4";  // an area bar with no screen
inline constexpr const char* kReminderBack = "#fff7e0"; // the reminder line
inline constexpr const char* kReminderBorder = "#e8c872";
inline constexpr const char* kReminderLink = "#b3541e";

// Sizes.
inline constexpr int kToolIcon = 32;        // toolbar pictures
inline constexpr int kToolButtonWidth = 64; // toolbar buttons, at least
inline constexpr int kFieldButtonIcon = 18; // pictures beside a field
inline constexpr int kSmallButtonIcon = 20; // small pictures inside a group
inline constexpr int kSheetMaxWidth = 1560; // archive sheets stay readable on wide screens
inline constexpr int kListWidth = 1100;     // list screens
inline constexpr int kListHeight = 640;     // list screens
inline constexpr int kListItemWidth = 1600; // list lines: the horizontal scroll range
inline constexpr int kListFontSize = 12;    // list lines, "Courier New"
inline constexpr int kHighlightMargin = 4;  // the highlight frame around its field
inline constexpr int kAmountWidth = 120;    // amount fields
inline constexpr int kDateWidth = 110;      // date fields
inline constexpr double kTitleScale = 1.4;  // the heading band's title font

// Style sheets built from the palette.
QString highlightSheet();                     // the yellow frame behind a focused field
QString readOnlySheet(bool bold = false);     // a field the user cannot type into
QString statusLineSheet(const QString& name); // QLabel#name as the status line
QString waitingSheet();                       // the red "Attendere..." notice
QString boldSheet();                          // a label that shows a value
QString movementSheet(bool load);             // the caption of a load or an unload
// The login and password change screens (objectName `screen`): the captions matched by
// `captions` and the password fields matched by `fields`, in the program's own colours.
QString loginSheet(const QString& screen, const QString& captions, const QString& fields);

// The logo band bkgTitolo of the program's own screens: the banner `logo` (imgLogo) at the
// left on the dark gradient, then a stretch; callers add what stands on the right to
// `layout`. A `height` of 0 leaves the height to the layout.
struct LogoBand {
    QFrame* frame;
    QHBoxLayout* layout;
    QLabel* logo;
};
LogoBand makeLogoBand(QWidget* parent, const QPixmap& logo, const QMargins& margins,
                      int height = 0);

// The highlight frame "eff" + stem shown behind a field while it has the focus: hidden,
// transparent for the mouse. placeHighlight puts it around `field`, under it.
QFrame* makeHighlight(QWidget* parent, const QString& name);
void placeHighlight(QWidget* frame, QWidget* field);

// The heading band of every screen: bkgIntestazione with the screen's title on the left
// (objectName `titleName`). Callers add what stands on the right to `layout`.
struct HeadingBand {
    QFrame* frame;
    QHBoxLayout* layout;
    QLabel* title;
};
HeadingBand makeHeadingBand(QWidget* parent, const QString& titleName, const QString& title);
// The title of a filled group box in bold; what it holds keeps the screen's own font.
void boldTitle(QGroupBox* box);

// A screen's title from its caption, without the program's name (" Depotta - ").
QString titleOf(const QString& caption);

} // namespace dp::style
