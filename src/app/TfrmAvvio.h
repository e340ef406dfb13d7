#pragma once

#include <QWidget>

#include <vector>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QThread;

namespace dp {

class AppContext;
namespace search {
struct ReminderCounts;
}

// The main menu: six work areas, each opened by its large picture or its caption bar.
// Opening an area shows its screen and hides the menu; closing the menu ends the program.
// Under the cards, a line of what needs doing today, each part opening its list.
class TfrmAvvio final : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmAvvio(AppContext& ctx);
    ~TfrmAvvio() override;

    void imgClientiClick();
    void imgFornitoriClick();
    void imgMagazzinoClick();
    void imgInventarioClick();
    void imgCaricoClick();
    void imgScaricoClick();
    void imgGuidaClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void icoSitoClick();
    void imgEsciClick();

    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct AreaControls {
        const char* screen;
        QAbstractButton* img;
        QAbstractButton* btn;
        QWidget* card;
    };
    void FormCreate();
    void FormShow();
    void openArea(const char* screen);
    void fitToSize();
    void countReminders();
    void showReminders(const search::ReminderCounts& counts);
    void openReminder(const QString& link);

    AppContext& m_ctx;
    std::vector<AreaControls> m_areas;
    QGridLayout* m_grid = nullptr;
    QLabel* m_promemoria = nullptr;
    QThread* m_counting = nullptr;
    bool m_recount = false; // asked for while a count ran
    int m_iconSize = 0;
    bool m_placed = false;
};

} // namespace dp
