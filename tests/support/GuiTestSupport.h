// Helpers of the GUI tests: a clean application state with a temporary
// program folder, the locale for a test, and rendering a widget to PNG.
// It brings the Qt test and widget headers and the program's headers that
// every GUI test uses.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <functional>
#include <memory>
#include <ostream>

#include "app/MDIVRN.h"
#include "platform/ChartControl.h"
#include "platform/Forms.h"
#include "platform/NumberField.h"
#include "shell/Hooks.h"
#include "support/TestSupport.h"

class QAbstractButton;
class QByteArray;
class QColor;
class QImage;
class QAction;
class QMenuBar;
class QWidget;

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vrn::test {

// The default message handler of GUI tests: records every message that no
// MsgRecorder catches and answers with the first button, so that no box ever
// blocks a test.
const std::vector<MsgRequest>& unexpectedMessages();
void clearUnexpectedMessages();

// Each GUI test starts from here: resets the state with a fresh temporary
// program folder and deletes every window left over; the file dialogs and the
// chart hooks a test replaces come back at its end.
class GuiTest {
public:
    GuiTest();
    ~GuiTest();
    QString folder() const;
    std::string folderStd() const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    Restore<FileDialogHooks> dialogs_{hooks().fileDialogs};
    Restore<ChartWindowHooks> chart_{hooks().chartWindow};
};

// A test with the main window loaded as at start-up (load) and shown at the
// size, made the active window; at its end every window is gone.
class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(bool load = true, QSize size = {1000, 720});
    ~MainWindowTest() override;
    GuiTest env;
    std::unique_ptr<MDIVRN> main;
};

// The main window as the program starts it (its exit does not end the test
// program), at the size given, shown and active.
std::unique_ptr<MDIVRN> startMainWindow(QSize size = {1000, 720});

// Sets QLocale's default (and the program's number separators) for its lifetime.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale);
    ~LocaleGuard();

private:
    QLocale old_;
};

// Remembers the folder the test program started in (screenshots go there).
void rememberStartFolder();

// Renders the widget (its frame when it has one) into a PNG in the build's
// screenshot folder and returns the path.
QString saveScreenshot(QWidget* w, const QString& name);

// An SVG picture drawn on a white image of the given size.
QImage svgImage(const QByteArray& svg, QSize size);
// The pixels of `a` of the colour `farbe` with no pixel of that colour in `b`
// within two pixels: what one picture draws that the other does not.
int strayPixels(const QImage& a, const QImage& b, const std::function<bool(QRgb)>& farbe);

// Whether every visible control of the window lies inside it and shows its
// caption or title whole; the failure names the first control that does not.
::testing::AssertionResult fitsItsWindow(QWidget* window);

// Whether a label shows its whole text: visible, inside its window, and the
// text laid out in its box (on several lines when it wraps) needs no more
// room than the box has.
::testing::AssertionResult showsWhole(QLabel* label);

// Replaces the text of a field by typing, as a user does: focus, select all, erase, the keys.
void typeInto(QLineEdit* field, const QString& keys);
// Clicks a button; option buttons and check boxes on their indicator (the middle of a wide one is no hit).
void clickButton(QAbstractButton* b);

// Copies the sample project "1st_order" (A => P, k = 0.0215 1/min, 25 points)
// into the folder and loads it through the main window's "Projekt laden".
void loadFirstOrderSample(MDIVRN& w, const QString& folder);
// The same for another sample project of that folder ("2nd_order", "kT_Arrhenius").
void loadSample(MDIVRN& w, const QString& folder, const QString& name);

// Runs the user's step; true when the chart window was shown under the hourglass.
bool chartShownUnderTheHourglass(const std::function<void()>& step);

// The content streams of a PDF, inflated where compressed, one after the other.
QByteArray pdfContent(const QByteArray& pdf);

// The whole file as bytes (empty when it cannot be read).
QByteArray readBytes(const QString& path);

// How many pixels of the picture are such that is(colour) holds.
int countPixels(const QImage& img, const std::function<bool(const QColor&)>& is);

// Where the chart draws a text block and its legend.
QRect textRect(ChartControl& c, ChartTextBlock b);
QRect legendRect(ChartControl& c);

// Lets queued events (deferred deletes among them) run.
void processEvents();

// Settings keys and values as lines for a readable failure: "key" QVariant(type, value).
std::string listedSettings(const QMap<QString, QVariant>& values);

// The action reached by following captions from a menu bar ("&Daten::Exit"); null when none.
QAction* menuActionByPath(QMenuBar* bar, const QString& path);

}  // namespace vrn::test
