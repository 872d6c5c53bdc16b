#include "platform/EnterKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace vrn {

namespace {

class EnterOnFocusedButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible()) return false;
        // The key belongs to the button, not to a shortcut of its window.
        event->accept();
        if (event->type() == QEvent::KeyPress) button->click();
        return true;
    }
};

}  // namespace

void installEnterOnFocusedButtons(QApplication& qapp) { qapp.installEventFilter(new EnterOnFocusedButton(&qapp)); }

}  // namespace vrn
