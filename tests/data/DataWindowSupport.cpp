#include "data/DataWindowSupport.h"

namespace vrn::test {

void DataWindows::ersteOrdnung(int n) {
    setDataSet(n, [](Messpunkt& p, int i) {
        p.t = 2.0 * (i - 1);
        p.c[1] = 0.1 * std::exp(-0.1 * p.t);
    });
}

void DataWindows::tippe(QWidget* target, const QString& text) {
    for (QChar ch : text) {
        if (ch == '\n') QTest::keyClick(target, Qt::Key_Return);
        else QTest::keyClicks(target, QString(ch));
    }
}

}  // namespace vrn::test
