#include "platform/NumberField.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "base/NumKeyFilter.h"
#include "base/NumberText.h"

namespace vrn {

const char* const kInputFieldStyle = "";
const char* const kComputedFieldStyle = "background-color: #FFFFC0;";

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {}
NumberField::NumberField(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void NumberField::setComputed(bool computed) {
    computed_ = computed;
    setReadOnly(computed);
    setStyleSheet(computed ? kComputedFieldStyle : kInputFieldStyle);
}

double NumberField::value() const { return Val(text().toStdString()); }

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste)) {
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
    if (event->reason() == Qt::MouseFocusReason) selectOnRelease_ = true;
    selectAll();
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        if (!hasSelectedText()) selectAll();
    }
}

}  // namespace vrn
