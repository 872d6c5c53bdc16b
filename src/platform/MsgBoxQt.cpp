#include "platform/MsgBoxQt.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "platform/Forms.h"
#include "platform/MsgBox.h"

namespace vrn {

namespace {

QMessageBox::StandardButton toQt(MsgAnswer a) {
    switch (a) {
        case MsgAnswer::OK: return QMessageBox::Ok;
        case MsgAnswer::Cancel: return QMessageBox::Cancel;
        case MsgAnswer::Abort: return QMessageBox::Abort;
        case MsgAnswer::Retry: return QMessageBox::Retry;
        case MsgAnswer::Ignore: return QMessageBox::Ignore;
        case MsgAnswer::Yes: return QMessageBox::Yes;
        case MsgAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// A message box at least as wide as its title needs in the window frame: the
// title in a bold title-bar font, and beside it the frame's icon and its three
// buttons (each about as wide as the bar is high), with a margin at both ends.
// Qt sizes the box by its text and keeps too little room for the frame, so
// that a short message showed its title cut. Never wider than the screen.
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* e) override {
        const bool done = QMessageBox::event(e);
        // Qt fixes the box's size anew when it is shown and laid out.
        if (e->type() == QEvent::LayoutRequest || e->type() == QEvent::Show) widen();
        return done;
    }

private:
    void widen() {
        QFont font = QApplication::font("QMdiSubWindowTitleBar");
        font.setBold(true);
        const QFontMetrics fm(font);
        const int bar = fm.height() * 7 / 4;
        int want = fm.horizontalAdvance(windowTitle()) + 4 * bar + 2 * fm.height();
        if (const QScreen* s = screen()) want = std::min(want, s->availableGeometry().width());
        if (width() >= want) return;
        // The text may wrap into fewer lines at the larger width.
        QLayout* l = layout();
        setFixedSize(want, l && l->hasHeightForWidth() ? std::max(l->totalHeightForWidth(want), 1) : height());
    }
};

std::vector<MsgAnswer> answersOf(MsgButtons b) {
    switch (b) {
        case MsgButtons::OK: return {MsgAnswer::OK};
        case MsgButtons::OKCancel: return {MsgAnswer::OK, MsgAnswer::Cancel};
        case MsgButtons::AbortRetryIgnore: return {MsgAnswer::Abort, MsgAnswer::Retry, MsgAnswer::Ignore};
        case MsgButtons::YesNoCancel: return {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
        case MsgButtons::YesNo: return {MsgAnswer::Yes, MsgAnswer::No};
        case MsgButtons::RetryCancel: return {MsgAnswer::Retry, MsgAnswer::Cancel};
    }
    return {MsgAnswer::OK};
}

MsgAnswer showBox(const MsgRequest& r) {
    MessageBox box(Forms::mainWindow());
    switch (r.icon) {
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::None: break;
    }
    box.setWindowTitle(QString::fromStdString(r.title));
    QString text = QString::fromStdString(r.text);
    text.replace("\r\n", "\n");
    box.setText(text);
    auto answers = answersOf(r.buttons);
    QMessageBox::StandardButtons buttons;
    for (MsgAnswer a : answers) buttons |= toQt(a);
    box.setStandardButtons(buttons);
    int def = r.defaultButton >= 1 && r.defaultButton <= static_cast<int>(answers.size()) ? r.defaultButton : 1;
    box.setDefaultButton(toQt(answers[static_cast<std::size_t>(def - 1)]));
    const int res = box.exec();
    for (MsgAnswer a : answers)
        if (res == toQt(a)) return a;
    // Escape or the close box: Cancel where there is one, else the last button.
    for (MsgAnswer a : answers)
        if (a == MsgAnswer::Cancel) return a;
    return answers.back();
}

}  // namespace

void installQtMessageBoxes() {
    setMsgHandler(showBox);
    setBeepHandler([] { QApplication::beep(); });
}

}  // namespace vrn
