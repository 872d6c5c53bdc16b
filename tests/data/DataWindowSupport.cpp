#include "data/DataWindowSupport.h"

#include <QApplication>
#include <QTest>

#include <cmath>

#include "platform/Forms.h"
#include "shell/AppState.h"

namespace vrn::test {

DataWindows::DataWindows() {
    w = std::make_unique<MDIVRN>();
    w->MDIForm_Load();
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w.get());
    processEvents();
}

DataWindows::~DataWindows() {
    Forms::destroyAll();
    processEvents();
}

void DataWindows::setzeDaten(std::initializer_list<std::array<double, 4>> rows) {
    app.ExpDaten.assign(rows.size() + 1, Messpunkt{});
    std::size_t i = 1;
    for (const auto& r : rows) {
        Messpunkt& p = app.ExpDaten[i++];
        p.t = r[0];
        p.c[1] = r[1];
        p.Temp = r[2];
        p.k = r[3];
    }
    app.nExpPunkte = static_cast<Integer>(rows.size());
}

void DataWindows::ersteOrdnung(int n) {
    app.ExpDaten.assign(static_cast<std::size_t>(n) + 1, Messpunkt{});
    for (int i = 1; i <= n; ++i) {
        Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        p.t = 2.0 * (i - 1);
        p.c[1] = 0.1 * std::exp(-0.1 * p.t);
    }
    app.nExpPunkte = static_cast<Integer>(n);
}

void DataWindows::tippe(QWidget* target, const QString& text) {
    for (QChar ch : text) {
        if (ch == '\n') QTest::keyClick(target, Qt::Key_Return);
        else QTest::keyClicks(target, QString(ch));
    }
}

}  // namespace vrn::test
