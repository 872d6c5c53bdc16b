#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <map>

#include "data/XYDruck.h"
#include "data/XYList.h"
#include "platform/Paths.h"
#include "platform/PrinterOutput.h"
#include "shell/AppState.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// The text a PDF printed by Qt shows, one string per line, each glyph at the
// column of its position (the list is printed in a fixed-width font).
std::vector<std::string> pdfZeilen(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray pdf = f.readAll();
    std::vector<QByteArray> streams;
    for (int a = pdf.indexOf("stream\n"); a >= 0; a = pdf.indexOf("stream\n", a + 1)) {
        const int e = pdf.indexOf("endstream", a);
        const QByteArray raw = pdf.mid(a + 7, e - a - 7);
        const int obj = pdf.lastIndexOf(" obj", a);
        const bool flate = obj >= 0 && pdf.mid(obj, a - obj).contains("FlateDecode");
        streams.push_back(flate ? qUncompress(QByteArray("\x00\x01\x00\x00", 4) + raw) : raw);
    }
    std::map<int, QChar> zeichen;  // glyph -> character, from the ToUnicode map
    const QRegularExpression range("<([0-9A-F]+)> <([0-9A-F]+)> \\[([^\\]]*)\\]");
    for (const QByteArray& s : streams)
        for (auto it = range.globalMatch(QString::fromLatin1(s)); it.hasNext();) {
            const auto m = it.next();
            int g = m.captured(1).toInt(nullptr, 16);
            for (const QString& u : m.captured(3).split(' ', Qt::SkipEmptyParts))
                zeichen[g++] = QChar(u.mid(1, 4).toInt(nullptr, 16));
        }
    std::map<double, std::map<double, QChar>> glyphen;  // y -> x -> character
    const QRegularExpression op("(-?[0-9.]+) (-?[0-9.]+) Td <([0-9A-F]+)> Tj|BT");
    for (const QByteArray& s : streams) {
        double x = 0, y = 0;
        for (auto it = op.globalMatch(QString::fromLatin1(s)); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(0) == "BT") {
                x = y = 0;
                continue;
            }
            x += m.captured(1).toDouble();
            y += m.captured(2).toDouble();
            const QChar c = zeichen[m.captured(3).toInt(nullptr, 16)];
            glyphen[-y][x] = c.unicode() < 32 ? QChar(' ') : c;
        }
    }
    double breite = 1e9;  // the advance of one character
    for (const auto& [y, zeile] : glyphen)
        for (auto a = zeile.begin(), b = std::next(a); a != zeile.end() && b != zeile.end(); ++a, ++b)
            breite = std::min(breite, b->first - a->first);
    std::vector<std::string> out;
    for (const auto& [y, zeile] : glyphen) {
        QString t;
        for (const auto& [x, c] : zeile) {
            const int spalte = static_cast<int>(std::lround(x / breite));
            if (t.size() < spalte) t += QString(spalte - t.size(), ' ');
            t += c;
        }
        while (t.endsWith(' ')) t.chop(1);
        out.push_back(t.toStdString());
    }
    return out;
}

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

TEST_F(XYPrint, PrintedListKeepsItsColumnsInThePdf) {
    vrn::test::LocaleGuard de(QLocale(QLocale::German, QLocale::Germany));
    xyListeLeeren();
    xyPunktAnfuegen(1.5, -0.25);
    xyPunktAnfuegen(300, 12345.67);
    xyAusSetzen(2, true);  // excluded points are printed too
    app.XYDateiName = toStd(env.folder()) + "/messung.xy";
    const QString pdf = env.folder() + "/liste.pdf";
    setPrintToPdfFile(pdf);
    ASSERT_TRUE(druckeXYListe(nullptr));
    setPrintToPdfFile(QString());
    const std::vector<std::string> zeilen = pdfZeilen(pdf);
    ASSERT_EQ(zeilen.size(), 8u);  // empty lines draw nothing
    const std::string titel = "            Liste von XY-Datenfile " + toStd(env.folder().toUpper()) + "/MESSUNG.XY";
    EXPECT_EQ(zeilen[0], titel);
    EXPECT_EQ(zeilen[1].rfind("            ", 0), 0u);
    EXPECT_TRUE(zeilen[1].size() > 16 && zeilen[1].substr(zeilen[1].size() - 4) == " Uhr") << zeilen[1];
    const std::vector<std::string> tabelle(zeilen.begin() + 2, zeilen.end());
    EXPECT_EQ(tabelle, (std::vector<std::string>{
                           "           -----------------------------------",
                           "                    X            Y",
                           "           -----------------------------------",
                           "           1        1,5         -,25",
                           "           2        300          12345,67",
                           "           -----------------------------------",
                       }));
}
