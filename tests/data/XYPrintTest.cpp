#include <QRegularExpression>

#include <map>

#include "data/XYDruck.h"
#include "data/XYList.h"
#include "platform/Paths.h"
#include "platform/PrinterOutput.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// The text of a PDF page as Qt's PDF writer puts it: glyphs shown one by one
// (<gid> Tj), each line starting with a move that goes down; the glyphs are
// mapped back to characters through the font's ToUnicode table.
QString pdfText(const QByteArray& pdf) {
    const QByteArray inhalt = vrn::test::pdfContent(pdf);
    std::map<int, QChar> zeichen;
    const QRegularExpression bereich(R"(<([0-9A-F]{4})> <([0-9A-F]{4})> (\[[^\]]*\]|<[0-9A-F]{4}>))");
    for (const auto& m : bereich.globalMatch(QString::fromLatin1(inhalt))) {
        const int von = m.captured(1).toInt(nullptr, 16), bis = m.captured(2).toInt(nullptr, 16);
        QStringList ziele = m.captured(3).remove('[').remove(']').remove('<').split('>', Qt::SkipEmptyParts);
        for (int g = von; g <= bis; ++g) {
            const QString z = ziele.size() == 1 ? ziele[0] : ziele.value(g - von);
            const int code = z.trimmed().toInt(nullptr, 16) + (ziele.size() == 1 ? g - von : 0);
            zeichen[g] = code == '\t' ? QChar(' ') : QChar(code);  // the blank's glyph maps to Tab
        }
    }
    QString text;
    const QRegularExpression schritt(R"((-?[0-9.]+) (-?[0-9.]+) Td <([0-9A-F]{4})> Tj)");
    for (const auto& m : schritt.globalMatch(QString::fromLatin1(inhalt))) {
        if (m.captured(2).toDouble() != 0 && !text.isEmpty()) text += '\n';
        const auto it = zeichen.find(m.captured(3).toInt(nullptr, 16));
        text += it == zeichen.end() ? QChar('?') : it->second;
    }
    return text;
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

// The list reaches the printer as the user sees it: one page with the file's
// name and every point in the locale's numbers, in its columns.
TEST_F(XYPrint, ListIsPrintedOnOnePageWithItsPoints) {
    vrn::test::LocaleGuard de(QLocale(QLocale::German, QLocale::Germany));
    xyListeLeeren();
    xyPunktAnfuegen(1.5, -0.25);
    xyPunktAnfuegen(300, 12345.67);
    app.XYDateiName = toStd(env.folder()) + "/messung.xy";
    const QString pdf = env.folder() + "/liste.pdf";
    setPrintToPdfFile(pdf);
    ASSERT_TRUE(druckeXYListe(nullptr));
    setPrintToPdfFile(QString());
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
    const QStringList zeilen = pdfText(bytes).split('\n');
    EXPECT_TRUE(zeilen.contains("            Liste von XY-Datenfile " + (env.folder() + "/MESSUNG.XY").toUpper()))
        << pdfText(bytes).toStdString();
    EXPECT_TRUE(zeilen.contains("           1        1,5         -,25 ")) << pdfText(bytes).toStdString();
    EXPECT_TRUE(zeilen.contains("           2        300          12345,67 ")) << pdfText(bytes).toStdString();
}
