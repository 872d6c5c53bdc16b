// The main window: the program's start-up object. A QMainWindow with an MDI
// area that holds the other windows, the toolbar and the first-user hint panel.
#pragma once

#include <QMainWindow>

#include <array>

class QLabel;
class QMdiArea;
class QPushButton;
class QToolBar;

namespace vrn {

class MDIVRN : public QMainWindow {
    Q_OBJECT
public:
    MDIVRN();
    ~MDIVRN() override;

    // The one main window, or nullptr before it exists.
    static MDIVRN* instance();

    // Start-up: sets up the application state and opens the first windows.
    void MDIForm_Load();
    // Keeps the hint button at the right end of the toolbar and widens the hint lines.
    void MDIForm_Resize();

    QMdiArea* mdiArea = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QPushButton* cmdErstnutzer = nullptr;
    QWidget* Picture1 = nullptr;  // first-user hint panel
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 9> Label2{};

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutHintPanel();
};

// The caption of the main window.
extern const char* const kMainCaption;

// The texts of the hint lines Label2(0..8).
extern const std::array<const char*, 9> kHintLines;

}  // namespace vrn
