// Help: one HTML page per help context number in the folder "help" beside the
// program, shown in one help window with "Zurück" and "Übersicht". Links
// between the pages are followed; links that leave the folder are not. A
// missing page shows a short note.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QKeyEvent;
class QPushButton;
class QTextBrowser;

namespace vrn {

// The help window: the page above, the buttons over it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Shows the page of the context number, or the note when it has none;
    // either becomes one step of the history that "Zurück" walks back.
    void zeigeKontext(int context);

    QTextBrowser* browser = nullptr;
    QPushButton* cmdZurueck = nullptr;    // "Zurück": the page shown before
    QPushButton* cmdUebersicht = nullptr; // "Übersicht": the index page

protected:
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void folgeLink(const QUrl& link);
};

// Opens the help window at the page of the context number.
void HtmlHelp(int context);
// Closes every help window.
void HtmlHelpCloseAll();
// The help window and its page view when open, else nullptr (for tests).
HelpWindow* helpWindow();
QTextBrowser* helpBrowser();
// The folder of the pages and the page file of a context number.
QString helpFolder();
QString helpPagePath(int context);
// The page a link leads to: an existing .html file of the help folder (with
// the link's anchor), else an empty URL, for links that leave the folder or
// lead nowhere.
QUrl helpLinkTarget(const QUrl& link);

// Context of the index page, which links every page.
inline constexpr int kHelpIndexContext = 10270;

}  // namespace vrn
