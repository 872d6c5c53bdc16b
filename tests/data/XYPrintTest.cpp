#include <gtest/gtest.h>

#include <QFile>

#include "data/XYDruck.h"
#include "data/XYList.h"
#include "platform/Paths.h"
#include "platform/PrinterOutput.h"
#include "shell/AppState.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

class XYPrint : public ::testing::Test {
protected:
    vrn::test::GuiTest env;
};

}  // namespace

TEST_F(XYPrint, StampOfTheList) {
    vrn::test::LocaleGuard de(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime jetzt(QDate(2026, 12, 5), QTime(20, 15, 30));
    EXPECT_EQ(xyDruckStempel("", jetzt), QString("05.12.26, 20:15 Uhr"));
    EXPECT_EQ(xyDruckStempel(env.folder() + "/weg.XY", jetzt), QString("05.12.26 20:15 Uhr"));  // gone
}

// The lines themselves are checked with the list; here they reach the printer.
TEST_F(XYPrint, ListIsPrintedOnOnePage) {
    xyListeLeeren();
    xyPunktAnfuegen(1.5, -0.25);
    app.XYDateiName = toStd(env.folder()) + "/messung.xy";
    const QString pdf = env.folder() + "/liste.pdf";
    setPrintToPdfFile(pdf);
    ASSERT_TRUE(druckeXYListe(nullptr));
    setPrintToPdfFile(QString());
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("/Type /Page\n"), 1);
}
