#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTimer>

#include <qcustomplot.h>

#include "ChartWindowSupport.h"
#include "base/NumberText.h"
#include "chart/CurvePanel.h"
#include "chart/PointPanel.h"
#include "platform/Paths.h"
#include "platform/PrinterOutput.h"

using namespace vrn;

namespace {

constexpr const char* kGruenImPdf = "0 0.501960813 0 SCN";  // stroke colour RGB(0, 128, 0)

// A folder this process cannot write into (root may write anywhere but /proc).
QString gesperrterOrdner(const QString& base) {
    const QString d = base + "/gesperrt";
    QDir().mkpath(d);
    QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return QFileInfo(d).isWritable() ? QString("/proc") : d;
}

class ChartOutputTest : public vrn::test::ChartWindowTest {
protected:
    void TearDown() override { setPrintToPdfFile(QString()); }
    // Curves of model 2 drawn in green.
    frmGraph2D& chart() {
        app.gFarbVorwahl = RGB(0, 128, 0);
        return simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    }
    // The save and open boxes answer with this path (empty: cancelled) and keep the request.
    void boxWaehlt(const QString& path) { vrn::test::answerFileBoxes(toStd(path), &frage); }
    SaveBoxRequest frage;
};

}  // namespace

TEST_F(ChartOutputTest, PictureFilesAreWrittenAndHoldTheCurves) {
    frmGraph2D& w = chart();
    const char* endungen[] = {"BMP", "PNG", "SVG", "PDF"};  // in list order
    for (int i = 0; i < 4; ++i) {
        w.clickMenu("mnuBild(2)");
        EXPECT_EQ(w.fraPrintIt->title(), QString("Bildfile schreiben"));
        EXPECT_EQ(w.cmbGraphFormat->currentText(), QString("Vektor-Grafik (.SVG)"));
        if (i == 0) vrn::test::saveScreenshot(&w, "chart_file_panel");
        w.cmbGraphFormat->setCurrentIndex(i);
        w.cmbGraphFormat_Click();
        const QString datei = env.folder() + "/bild." + endungen[i];
        boxWaehlt(datei);
        QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
        EXPECT_EQ(std::tuple(w.fraPrintIt->isVisible(), frage.title), std::tuple(false, "Speichere Bild-File"));
        const QByteArray bytes = vrn::test::readBytes(datei);
        if (i < 2) {
            const QImage img = QImage::fromData(bytes, endungen[i]);
            ASSERT_EQ(img.size(), w.Chart2D1->size()) << endungen[i];
            // The curves are drawn smoothed: shades of their green.
            const auto gruen = [](const QColor& p) { return p.green() > p.red() + 40 && p.green() > p.blue() + 40; };
            EXPECT_GT(vrn::test::countPixels(img, gruen), 200) << endungen[i];
        } else if (i == 2) {
            EXPECT_TRUE(bytes.contains("<svg") && bytes.contains("stroke=\"#008000\""));
        } else {
            EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
            EXPECT_TRUE(vrn::test::pdfContent(bytes).contains(kGruenImPdf));
        }
    }
    // A cancelled save box writes nothing and says nothing; a failed save names the file.
    vrn::test::MsgRecorder msgs;
    w.clickMenu("mnuBild(2)");
    boxWaehlt(QString());
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    EXPECT_EQ(msgs.count(), 0u);
    const QString ziel = gesperrterOrdner(env.folder()) + "/bild.png";
    w.clickMenu("mnuBild(2)");
    boxWaehlt(ziel);
    QTest::keyClick(w.cmbGraphFormat, Qt::Key_Return);  // Enter performs the output
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(msgs.last().title, "Meldung von cmdPrint_Click");
    EXPECT_EQ(msgs.last().text.rfind("Das Bild kann nicht gespeichert werden.\r\nDatei: " + toStd(ziel) + "\r\n", 0), 0u)
        << msgs.last().text;
}

// The Eyring line of the sample project kT_Arrhenius.VRP, as the user opens
// it and zooms into it: as drawn, running out at the right; zoomed so that it
// runs out below the x axis and on beyond the right; zoomed so that it comes
// in over the top and goes out at the bottom. The SVG picture file and the
// SVG copy on the clipboard, made through the "Bild" menu, show it as the
// screen and the PNG file do, with no stroke along the x axis or the frame.
TEST(ChartOutputEyring, AZoomedEyringLineIsCutInTheSvgPicturesAsOnTheScreen) {
    vrn::test::GuiTest env;
    std::unique_ptr<MDIVRN> main = vrn::test::startMainWindow({1000, 720});
    vrn::test::loadSample(*main, env.folder(), "kT_Arrhenius");
    main->clickMenu("mnukT(2)");
    vrn::test::processEvents();
    frmGraph2D* w = Forms::loaded<frmGraph2D>();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->statusText().startsWith("Resultat: h#/(kJ/mol) = ")) << w->statusText().toStdString();
    ChartControl& c = *w->Chart2D1;
    auto* plot = c.findChild<QCustomPlot*>();
    ASSERT_NE(plot, nullptr);
    SaveBoxRequest frage;

    // The line and the measured points are blue.
    const auto blau = [](QRgb p) { return qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60; };
    // The blue pixels of one picture with no blue pixel of the other within two pixels.
    const auto extra = [&](const QImage& a, const QImage& b) { return vrn::test::strayPixels(a, b, blau); };
    const auto svgBild = [&](const QByteArray& svg) { return vrn::test::svgImage(svg, c.size()); };
    // The picture file in the format of the list's entry, written as the user writes it.
    const auto bilddatei = [&](int eintrag, const QString& datei) {
        w->clickMenu("mnuBild(2)");
        w->cmbGraphFormat->setCurrentIndex(eintrag);
        w->cmbGraphFormat_Click();
        vrn::test::answerFileBoxes(toStd(datei), &frage);
        QTest::mouseClick(w->cmdPrint, Qt::LeftButton);
        return vrn::test::readBytes(datei);
    };

    // what, the zoom frame from (x, y) to (x, y) (none: as drawn), where (x, y) the line is shown, where not
    struct Fall {
        const char* what;
        std::vector<std::pair<double, double>> zoom, drawn, bare;
    };
    const Fall faelle[] = {
        {"as drawn", {}, {{0.0031, -12.65}}, {}},
        {"below the x axis and on beyond the right", {{0.0030, -11.0}, {0.0033, -13.5}}, {{0.0031, -12.65}},
         {{0.00323, -13.5}, {0.00328, -13.5}}},
        {"in over the top and out at the bottom", {{0.0031, -13.0}, {0.0034, -16.0}}, {{0.00325, -14.47}},
         {{0.00311, -13.0}, {0.00339, -16.0}, {0.0034, -15.0}}},
    };
    int n = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.what);
        if (!f.zoom.empty()) {
            QTest::mouseClick(w->cmdZoomReset, Qt::LeftButton);
            QTest::mouseClick(w->cmdZoom, Qt::LeftButton);
            const QPoint von = c.toPixel(f.zoom[0].first, f.zoom[0].second).toPoint();
            const QPoint bis = c.toPixel(f.zoom[1].first, f.zoom[1].second).toPoint();
            QTest::mousePress(plot, Qt::LeftButton, {}, von);
            QTest::mouseMove(plot, bis);
            QTest::mouseRelease(plot, Qt::LeftButton, {}, bis);
            ASSERT_NEAR(c.axisMin(ChartAxis::X), f.zoom[0].first, 2e-6);
            ASSERT_NEAR(c.axisMin(ChartAxis::Y), f.zoom[1].second, 0.05);
        }
        vrn::test::processEvents();
        const QImage screen = c.toImage();
        const QString stamm = env.folder() + "/eyring" + QString::number(++n);
        const QImage png = QImage::fromData(bilddatei(1, stamm + ".png"), "PNG");
        const QImage svg = svgBild(bilddatei(2, stamm + ".svg"));
        w->clickMenu("mnuBild(1)");
        ASSERT_EQ(w->cmbGraphFormat->currentText(), QString("Vektor-Grafik"));
        QTest::mouseClick(w->cmdPrint, Qt::LeftButton);
        const QImage clip = svgBild(QGuiApplication::clipboard()->mimeData()->data("image/svg+xml"));
        ASSERT_EQ(png.size(), screen.size());
        for (const auto& [was, bild] :
             {std::pair{"screen", &screen}, std::pair{"PNG", &png}, std::pair{"SVG", &svg}, std::pair{"clipboard", &clip}}) {
            SCOPED_TRACE(was);
            if (bild != &screen) {
                EXPECT_EQ(std::pair(extra(*bild, screen), extra(screen, *bild)), std::pair(0, 0));
            }
            const auto blauUm = [&](double x, double y) {
                const QPoint p = c.toPixel(x, y).toPoint();
                for (int dy = -3; dy <= 3; ++dy)
                    for (int dx = -3; dx <= 3; ++dx)
                        if (bild->rect().contains(p + QPoint(dx, dy)) && blau(bild->pixel(p + QPoint(dx, dy))))
                            return true;
                return false;
            };
            for (const auto& [x, y] : f.drawn) EXPECT_TRUE(blauUm(x, y)) << x << ", " << y;
            for (const auto& [x, y] : f.bare) EXPECT_FALSE(blauUm(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(ChartOutputTest, ClipboardTakesTheChosenPictureAfterTheBlackSheetQuestion) {
    frmGraph2D& w = chart();
    QClipboard* cb = QApplication::clipboard();
    w.Chart2D1->setPlotBackColour(RGB(0, 0, 0));
    vrn::test::MsgRecorder msgs;
    msgs.answer(MsgAnswer::Cancel);
    w.clickMenu("mnuBild(1)");
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(std::tuple(msgs.last().text, msgs.last().title),
              std::tuple("Sie haben ein schwarzes Zeichenblatt gewählt.\n\r\n\rWollen Sie das wirklich so drucken?",
                         "WARNUNG"));
    EXPECT_FALSE(w.fraPrintIt->isVisible());  // Cancel prepares nothing

    msgs.answer(MsgAnswer::OK);
    w.clickMenu("mnuBild(1)");
    EXPECT_EQ(w.fraPrintIt->title(), QString("zur Zwischenablage"));
    EXPECT_EQ(w.cmbGraphFormat->currentText(), QString("Vektor-Grafik"));
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    EXPECT_TRUE(cb->mimeData()->data("image/svg+xml").contains("stroke=\"#008000\""));
}

TEST_F(ChartOutputTest, PrintingGivesOnePageWithTheChart) {
    frmGraph2D& w = chart();
    const QString pdf = env.folder() + "/druck.pdf";
    setPrintToPdfFile(pdf);
    w.clickMenu("mnuBild(3)");
    EXPECT_EQ(std::tuple(w.fraPrintIt->title(), w.frGraphFormat->isVisible()), std::tuple(QString("Drucken"), false));
    EXPECT_FALSE(w.txtHeight_in_cm->isEnabled());  // "Vorgabe Breite"
    main->resize(1000, 720);
    vrn::test::processEvents();
    vrn::test::saveScreenshot(&w, "chart_print_panel");

    // A width of 0 cm is refused before anything is printed; the panel closes
    // as after every output, and keeps the values for the next one.
    vrn::test::MsgRecorder msgs;
    w.txtWidth_in_cm->setText("0");
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(std::tuple(msgs.last().text, w.fraPrintIt->isVisible(), QFile::exists(pdf)),
              std::tuple("Die Breite muss größer als 0 cm sein.", false, false));
    w.clickMenu("mnuBild(3)");
    EXPECT_EQ(w.txtWidth_in_cm->text(), QString("0"));

    QTest::mouseClick(w.optSM[2], Qt::LeftButton);  // "A4-Format voll" needs no width
    EXPECT_FALSE(w.txtWidth_in_cm->isEnabled());
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    EXPECT_EQ(msgs.count(), 1u);
    const QByteArray bytes = vrn::test::readBytes(pdf);
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
    EXPECT_TRUE(vrn::test::pdfContent(bytes).contains(kGruenImPdf));
    EXPECT_FALSE(w.fraPrintIt->isVisible());
}

TEST_F(ChartOutputTest, CancelledPrintDialogClosesThePanelToo) {
    frmGraph2D& w = chart();
    setPrintToPdfFile(QString());  // the real print dialog
    w.clickMenu("mnuBild(3)");
    bool gefragt = false;
    QTimer::singleShot(0, [&gefragt] {
        QWidget* d = QApplication::activeModalWidget();
        gefragt = d != nullptr;
        if (d) QTest::keyClick(d, Qt::Key_Escape);
    });
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    EXPECT_TRUE(gefragt);
    EXPECT_FALSE(w.fraPrintIt->isVisible());
}

// Printouts that differ in one box only: the scaling method decides whether that box counts.
TEST_F(ChartOutputTest, GivenHeightPrintsByTheHeightBoxAndGivenWidthByTheWidthBox) {
    frmGraph2D& w = chart();
    int n = 0;
    // The page's drawing after typing the width under "Vorgabe Breite" and the height under "Vorgabe Höhe".
    auto drucke = [&](QRadioButton* methode, const char* breite, const char* hoehe) {
        const QString pdf = env.folder() + QString("/druck%1.pdf").arg(++n);
        setPrintToPdfFile(pdf);
        w.clickMenu("mnuBild(3)");
        vrn::test::clickButton(w.optSM[4]);
        vrn::test::typeInto(w.txtWidth_in_cm, breite);
        vrn::test::clickButton(w.optSM[3]);
        vrn::test::typeInto(w.txtHeight_in_cm, hoehe);
        vrn::test::clickButton(methode);
        QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
        setPrintToPdfFile(QString());
        const QByteArray inhalt = vrn::test::pdfContent(vrn::test::readBytes(pdf));
        EXPECT_TRUE(inhalt.contains(kGruenImPdf));
        return inhalt;
    };
    QRadioButton* hoehe = w.optSM[3];
    QRadioButton* breite = w.optSM[4];
    EXPECT_NE(drucke(hoehe, "15", "5"), drucke(hoehe, "15", "8"));
    EXPECT_EQ(drucke(hoehe, "10", "5"), drucke(hoehe, "15", "5"));
    EXPECT_NE(drucke(breite, "10", "5"), drucke(breite, "15", "5"));
    EXPECT_EQ(drucke(breite, "15", "5"), drucke(breite, "15", "8"));
}

TEST_F(ChartOutputTest, TemplateRoundTripRebuildsTheChartWindow) {
    abfall(4, 4, 4, true);
    app.gMitMesspunkten = true;
    frmGraph2D& alt = simulationsDiagramm(6, 0.1, 0, 0.15, 0.1, 30);  // curves of A, C, P; point sets c(A), c(P)
    alt.DeleteCurves(2);
    // Saved from a large window with a header, a legend and labels.
    alt.frame()->resize(1050, 720);
    alt.Chart2D1->setText(ChartTextBlock::Header, "Folgereaktion\r\nzweite Zeile");
    vrn::test::typeInto(alt.kurvenPanel->txtLegendCurves[1], "c(A)");
    alt.legendeSchalten(true);
    alt.Chart2D1->setLabelText(3, "c(P) ");
    vrn::test::processEvents();
    const ChartModel gespeichert = alt.Chart2D1->model();
    const Diagramm bereich = app.tDiagramm;
    QDir().mkpath(env.folder() + "/vorlagen");
    const QString datei = env.folder() + "/vorlagen/vorlage.oc2";
    boxWaehlt(datei);
    alt.clickMenu("mnuSaveOC2");
    EXPECT_EQ(frage.title, "Speichern dieser Diagrammgestaltung");
    EXPECT_EQ(app.OC2DateiPfad, toStd(env.folder()) + "/vorlagen/");
    Forms::unload<frmGraph2D>();
    vrn::test::processEvents();

    app.gMitMesspunkten = false;
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 40);
    w.frame()->resize(620, 460);  // loaded into a smaller window
    vrn::test::processEvents();
    vrn::test::MsgRecorder msgs;
    w.clickMenu("mnuLoadOC2");
    EXPECT_EQ(msgs.count(), 0u);
    // The whole chart comes back: bounds, labels, texts, legend, styles and the
    // chart area, which is laid out anew for this window. Only the spacings
    // are the ones the confirmation of the ranges leaves (automatic).
    ChartModel geladen = c.model();
    for (std::size_t k = 0; k < 3; ++k) {
        for (const ChartSpacingData& a : geladen.axes[k].spacing) EXPECT_TRUE(a.automatic);
        geladen.axes[k].spacing = gespeichert.axes[k].spacing;
    }
    EXPECT_TRUE(geladen == gespeichert);
    EXPECT_EQ(c.labelText(3), "c(P) ");
    // The label bar of a curve brought in by the template runs over its points.
    ASSERT_GT(c.pointCount(1, 3), 1);
    EXPECT_EQ(w.kurvenPanel->scrShiftLab[3]->minimum(), 1);
    EXPECT_EQ(w.kurvenPanel->scrShiftLab[3]->maximum(), c.pointCount(1, 3));
    EXPECT_EQ(c.axisMax(ChartAxis::X), gespeichert.axis(ChartAxis::X).max);
    c.replotNow();
    const QRect flaeche(c.chartAreaLeft(), c.chartAreaTop(), c.chartAreaWidth(), c.chartAreaHeight());
    const QRect kopf = vrn::test::textRect(c, ChartTextBlock::Header), legende = vrn::test::legendRect(c);
    EXPECT_TRUE(c.rect().contains(flaeche)) << flaeche.right() << " " << c.width();
    EXPECT_TRUE(c.rect().contains(kopf));
    EXPECT_NEAR(kopf.center().x(), flaeche.center().x(), 2);
    EXPECT_FALSE(legende.isEmpty());
    EXPECT_TRUE(c.rect().contains(legende));
    EXPECT_FALSE(legende.intersects(c.plotRect()));
    EXPECT_FALSE(kopf.intersects(c.plotRect()));
    vrn::test::saveScreenshot(&w, "chart_template_smaller_window");
    EXPECT_EQ(frage.title, "Laden einer abgespeicherten Diagrammvorlage");
    EXPECT_EQ(frage.initialDir, toStd(env.folder()) + "/vorlagen/");
    for (std::size_t g = 0; g < 2; ++g)  // every curve and point set with its points
        for (std::size_t s = 0; s < gespeichert.groups[g].series.size(); ++s) {
            EXPECT_EQ(c.model().groups[g].series[s].x, gespeichert.groups[g].series[s].x) << g << " " << s;
            EXPECT_EQ(c.model().groups[g].series[s].y, gespeichert.groups[g].series[s].y) << g << " " << s;
        }
    EXPECT_EQ((std::array<Integer, 3>{app.KurvenSlot[0], app.KurvenSlot[1], app.KurvenSlot[2]}),
              (std::array<Integer, 3>{0, -1, 0}));
    EXPECT_EQ(app.gnKurven, 2);
    for (int j = 1; j <= 7; ++j) {
        EXPECT_EQ(w.punktePanel->tabPunkte->isTabVisible(j - 1), j == 1 || j == 4) << j;
        EXPECT_EQ(w.menuItem(QString("mnuSubDelPoints(%1)").arg(j))->isEnabled(), j == 1 || j == 4) << j;
        EXPECT_EQ(w.menuItem(QString("mnuSubDelKurv(%1)").arg(j))->isEnabled(), j == 1 || j == 3) << j;
    }
    EXPECT_EQ(w.punktePanel->tabPunkte->currentIndex(), 3);
    EXPECT_TRUE(w.menuItem("mnuDelPoints")->isEnabled() && w.menuItem("mnuSubDelPoints(0)")->isEnabled());
    EXPECT_EQ(app.tDiagramm.XMax, bereich.XMax);
    EXPECT_EQ(app.tDiagramm.YMax, bereich.YMax);
    EXPECT_EQ(w.coord[2]->text().toStdString(), Str(bereich.XMax));

    app.gnKurvenOffen = 1;  // the next curve takes place 2
    w.cmdDraw_Click();
    EXPECT_EQ(app.KurvenSlot[1], 0);
    EXPECT_GT(c.pointCount(1, 2), 0);
}

TEST_F(ChartOutputTest, ARefusedTemplateLeavesTheChartAsItWas) {
    frmGraph2D& w = chart();
    const QString gut = env.folder() + "/gut.oc2";
    boxWaehlt(gut);
    w.clickMenu("mnuSaveOC2");
    const QByteArray bytes = vrn::test::readBytes(gut);
    ASSERT_GT(bytes.size(), 1000);
    w.DeleteCurves(2);
    const ChartModel vorher = w.Chart2D1->model();
    const auto plaetze = app.KurvenSlot;
    const Diagramm bereich = app.tDiagramm;
    // The bounds of an axis replaced: the line number is where the "bounds=" line stands.
    auto grenzen = [&](const char* achse, const char* neu, std::string& zeile) {
        const qsizetype at = bytes.indexOf("bounds=", bytes.indexOf(achse));
        zeile = "Zeile " + std::to_string(bytes.left(at).count('\n') + 1) + ": ";
        QByteArray b = bytes;
        return b.replace(at, bytes.indexOf('\r', at) - at, neu);
    };
    std::string zeileX, zeileY;
    const QByteArray rueckwaerts = grenzen("[axis X]", "bounds=100 0", zeileX);
    const QByteArray gleich = grenzen("[axis Y]", "bounds=5 5", zeileY);
    const std::tuple<const char*, QByteArray, std::string> faelle[] = {
        {"halb.oc2", bytes.left(bytes.size() / 2), ""},
        {"fremd.oc2", QByteArray("GIF89a\x01\x00", 8), ""},
        {"rueckwaerts.oc2", rueckwaerts, zeileX + "Untere Grenze muss kleiner als obere Grenze sein."},
        {"gleich.oc2", gleich, zeileY + "Untere Grenze muss kleiner als obere Grenze sein."}};
    vrn::test::MsgRecorder msgs;
    for (const auto& [name, inhalt, grund] : faelle) {
        const QString datei = env.folder() + "/" + name;
        QFile out(datei);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(inhalt) == inhalt.size());
        out.close();
        boxWaehlt(datei);
        w.clickMenu("mnuLoadOC2");
        EXPECT_EQ(msgs.last().title, "Meldung von mnuLoadOC2_Click");
        EXPECT_EQ(msgs.last().text.rfind(
                      "Die Diagrammvorlage kann nicht geladen werden.\r\nDatei: " + toStd(datei) + "\r\nZeile", 0),
                  0u)
            << msgs.last().text;
        if (!grund.empty()) {
            EXPECT_EQ(msgs.last().text,
                      "Die Diagrammvorlage kann nicht geladen werden.\r\nDatei: " + toStd(datei) + "\r\n" + grund);
        }
        EXPECT_TRUE(w.Chart2D1->model() == vorher) << name;
        EXPECT_EQ(app.KurvenSlot, plaetze);
        EXPECT_EQ((std::array<Single, 4>{app.tDiagramm.XMin, app.tDiagramm.XMax, app.tDiagramm.YMin, app.tDiagramm.YMax}),
                  (std::array<Single, 4>{bereich.XMin, bereich.XMax, bereich.YMin, bereich.YMax}))
            << name;
        EXPECT_FALSE(w.fraCoordInput->isVisible()) << name;
    }
    EXPECT_EQ(msgs.count(), 4u);
    // A cancelled box says nothing and keeps the template folder.
    const std::string pfad = app.OC2DateiPfad;
    boxWaehlt(QString());
    w.clickMenu("mnuLoadOC2");
    w.clickMenu("mnuSaveOC2");
    EXPECT_EQ(msgs.count(), 4u);
    EXPECT_EQ(app.OC2DateiPfad, pfad);
    // Saving where nothing may be written names the file.
    const QString gesperrt = gesperrterOrdner(env.folder()) + "/v.oc2";
    boxWaehlt(gesperrt);
    w.clickMenu("mnuSaveOC2");
    ASSERT_EQ(msgs.count(), 5u);
    EXPECT_EQ(msgs.last().title, "Meldung von mnuSaveOC2_Click");
    EXPECT_EQ(msgs.last().text.rfind("Die Diagrammvorlage kann nicht gespeichert werden.\r\nDatei: " + toStd(gesperrt), 0),
              0u);
}
