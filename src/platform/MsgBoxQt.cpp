#include "platform/MsgBoxQt.h"

#include <QApplication>
#include <QMessageBox>

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
    QMessageBox box(Forms::mainWindow());
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
