#include "support/StateAlarm.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <gtest/gtest.h>
#include <execinfo.h>
#include <cstdlib>

#include "shell/StateOwner.h"

namespace vrn::test {

namespace {

std::vector<std::string>* gesammelt = nullptr;  // set while alarmsOf runs
std::string wo;  // where the check runs: before which input of the user

// The window a widget lies in, and the widget, for the alarm's text.
std::string nameOf(QObject* o) {
    std::string s = o->objectName().isEmpty() ? o->metaObject()->className() : o->objectName().toStdString();
    if (auto* w = qobject_cast<QWidget*>(o); w && w->window() && w->window() != w) {
        QWidget* f = w->window();
        s += " in " + (f->objectName().isEmpty() ? std::string(f->metaObject()->className()) : f->objectName().toStdString());
        if (!f->windowTitle().isEmpty()) s += " \"" + f->windowTitle().toStdString() + "\"";
    }
    return s;
}

void pruefe(const std::string& stelle) {
    wo = stelle;
    zustand().nachzuegler();
    wo.clear();
}

void melde(const std::string& text) {
    if (std::getenv("VARNOLT_ALARM_TRACE")) {
        void* b[40];
        const int n = backtrace(b, 40);
        backtrace_symbols_fd(b, n, 2);
    }
    if (gesammelt) {
        gesammelt->push_back(text);
        return;
    }
    ADD_FAILURE() << "Zustand: " << text << " (a write of the shared state that no change of its writer announced)"
                  << (wo.empty() ? std::string() : "; found " + wo);
}

// Before the user acts the event loop has been idle: the owner's check runs.
class VorEingaben : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::Shortcut:
                if (o->isWidgetType())
                    pruefe(std::string(e->type() == QEvent::KeyPress ? "before a key to " : "before a click on ") +
                           nameOf(o));
                break;
            default: break;
        }
        return false;
    }
};

// At the end of every test: what it wrote last is checked too.
class AmTestende : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { pruefe("at the end of the test"); }
};

}  // namespace

void installStateAlarm() {
    zustand().setAlarm(melde);
    zustand().setGruendlich(true);
    qApp->installEventFilter(new VorEingaben(qApp));
    // Appended last, it hears the end of a test before the printer reports it.
    ::testing::UnitTest::GetInstance()->listeners().Append(new AmTestende);
}

void idleCheck() { pruefe("when the test let the events run"); }

std::vector<std::string> alarmsOf(const std::function<void()>& f) {
    std::vector<std::string> texte;
    std::vector<std::string>* vorher = gesammelt;
    gesammelt = &texte;
    f();
    gesammelt = vorher;
    return texte;
}

}  // namespace vrn::test
