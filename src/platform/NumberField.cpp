#include "platform/NumberField.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTimer>

#include "base/NumKeyFilter.h"
#include "base/NumberText.h"

namespace vrn {

const char* const kInputFieldStyle = "";
const char* const kComputedFieldStyle = "background-color: #FFFFC0;";


void NumberField::setComputed(bool computed) {
    computed_ = computed;
    setReadOnly(computed);
    setStyleSheet(computed ? kComputedFieldStyle : kInputFieldStyle);
}

Zahllesung NumberField::lies() const { return liesZahl(text().toStdString(), zahlfeld_); }

Zahllesung NumberField::lies(const Zahlfeld& f) {
    zahlfeld_ = f;
    return lies();
}

double NumberField::programmWert() const {
    Zahlfeld f;
    f.leer = Leer::IstNull;
    return liesZahl(text().toStdString(), f).wert;
}

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) { watchEdits(); }
NumberField::NumberField(const QString& text, QWidget* parent) : QLineEdit(text, parent) { watchEdits(); }

void NumberField::watchEdits() {
    // Whatever way a comma comes in (the context menu's paste, a drop), it
    // stands for the decimal point.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!t.contains(',')) return;
        const int pos = cursorPosition();
        QString p = t;
        p.replace(',', '.');
        setText(p);
        setCursorPosition(pos);
    });
}

QString NumberField::pastedNumber(const QString& clip) {
    const QString t = clip.trimmed();
    if (t.isEmpty() || t.size() > 64) return {};
    QString out;
    for (const QChar c : t) {
        if (c.unicode() > 127) return {};
        Integer k = static_cast<Integer>(c.unicode());
        if (k == 13 || k == 8 || k == 127 || !NumKeyFilter(k)) return {};
        out += QChar(k);
    }
    // A number of any size: one the field cannot hold is named when it is read.
    const Zahllesung l = liesZahl(out.toStdString(), Zahlfeld{});
    return l.fehler == Zahlfehler::KeineZahl ? QString() : out;
}

void NumberField::pasteNumber() {
    if (isReadOnly()) return;
    const QString t = pastedNumber(QApplication::clipboard()->text());
    if (!t.isEmpty()) insert(t);
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        int key = 22;
        if (onKeyPress) onKeyPress(key);
        if (key != 0) pasteNumber();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const int qtKey = event->key();
    // Keys without a character (arrows, Home, End, Tab, Delete) are not filtered.
    const bool isEnter = qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
    if (!isEnter && qtKey != Qt::Key_Backspace && (text.isEmpty() || text.at(0).unicode() < 32) &&
        !(event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int key = isEnter ? 13 : (qtKey == Qt::Key_Backspace ? 8 : (text.isEmpty() ? 0 : text.at(0).unicode()));
    if (onKeyPress) {
        onKeyPress(key);
        if (key == 0) return;
    }
    if (key > 32767 || key < 0) return;
    Integer k = static_cast<Integer>(key);
    if (!NumKeyFilter(k)) return;
    if (k == 13) {
        emit enterPressed();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(this, &tab);
        return;
    }
    if (k == 8) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isReadOnly()) return;
    insert(QString(QChar(k)));
}

void NumberField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit fokusErhalten();
    // The click that brought the focus (whatever the reason Qt gives, an
    // activated window among them) must not put the cursor into the text.
    justFocused_ = true;
    QTimer::singleShot(0, this, [this] { justFocused_ = false; });
    selectAll();
}

void NumberField::mousePressEvent(QMouseEvent* event) {
    selectOnRelease_ = justFocused_ && event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        if (!hasSelectedText()) selectAll();
    }
}

}  // namespace vrn
