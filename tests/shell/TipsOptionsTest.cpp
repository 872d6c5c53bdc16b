#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QToolButton>

#include <sys/stat.h>

#include "platform/CommonDialogs.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/UpDown.h"
#include "shell/frmOption.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

class Tips : public ::testing::Test {
protected:
    void SetUp() override {
        SaveSetting("Options", "Show Tips at Startup", "1");
        frmTip::random = [] { return 0.0; };
    }
    void TearDown() override {
        SaveSetting("Options", "Show Tips at Startup", "1");
    }
    test::GuiTest env;
};

TEST_F(Tips, TheShippedFileHasTwentyTwoTipsAndNextCycles) {
    frmTip& t = Forms::get<frmTip>();
    EXPECT_EQ(std::tuple(t.caption(), t.tips.size()), std::tuple(QString("   22 Tipps zur Arbeit mit VARNOLT"), 22));
    for (const QString& tip : t.tips) EXPECT_FALSE(tip.trimmed().isEmpty());
    // Random 0 picks tip 1; loading has already moved on by one.
    EXPECT_EQ(std::tuple(t.CurrentTip, t.lblTipText->text().contains("kinetisches Modell")), std::tuple(1, true));
    t.Show();
    t.tips = {"eins", "zwei", "drei"};
    t.CurrentTip = 2;
    t.DisplayCurrentTip();
    for (const char* next : {"drei", "eins", "zwei"}) {
        QTest::mouseClick(t.cmdNextTip, Qt::LeftButton);
        EXPECT_EQ(std::tuple(t.lblTipText->text(), t.lblTipdesTages->isVisible()), std::tuple(QString(next), false));
    }
}

TEST_F(Tips, EscClosesTheWindow) {
    MDIVRN w;
    w.MDIForm_Load();
    frmTip* t = Forms::loaded<frmTip>();
    ASSERT_TRUE(t && t->isVisible());
    t->activateWindow();
    QTest::keyClick(t->cmdNextTip, Qt::Key_Escape);
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmTip>());
}

TEST_F(Tips, SwitchIsStoredAndHonouredAtStart) {
    {
        frmTip& t = Forms::get<frmTip>();
        t.Show();
        EXPECT_TRUE(t.chkLoadTipsAtStartup->isChecked());
        QTest::mouseClick(t.chkLoadTipsAtStartup, Qt::LeftButton);
        EXPECT_EQ(GetSetting("Options", "Show Tips at Startup", "1"), QString("0"));
        t.Unload();
        test::processEvents();
    }
    {
        MDIVRN w;
        w.MDIForm_Load();
        EXPECT_EQ(std::tuple(IsFormLoaded<frmTip>(), app.bNoTipsAtStart), std::tuple(false, true));
        // The menu item shows the tips anyway; the box shows the switch as
        // stored, and only the user's click switches them on again.
        w.clickMenu("mnuTip");
        ASSERT_TRUE(IsFormLoaded<frmTip>());
        frmTip* t = Forms::loaded<frmTip>();
        EXPECT_EQ(std::tuple(t->isVisible(), t->chkLoadTipsAtStartup->isChecked()), std::tuple(true, false));
        EXPECT_EQ(GetSetting("Options", "Show Tips at Startup", "1"), QString("0"));
        QTest::mouseClick(t->chkLoadTipsAtStartup, Qt::LeftButton);
        EXPECT_EQ(GetSetting("Options", "Show Tips at Startup", "0"), QString("1"));
    }
}

TEST_F(Tips, LatinOneFileIsReadAndAMissingOneNamed) {
    test::writeFile(env.folderStd() + "/tips.txt", "Gr\xFC\xDF" "e\r\nzweite Zeile\r\n");
    frmTip& t = Forms::get<frmTip>();
    t.CurrentTip = 0;
    ASSERT_TRUE(t.LoadTips(env.folder() + "/tips.txt"));
    EXPECT_EQ(t.tips, (QStringList{QString::fromUtf8("Grüße"), "zweite Zeile"}));
    EXPECT_EQ(t.lblTipText->text(), QString::fromUtf8("Grüße"));
    t.Unload();
    test::processEvents();
    app.bEnglisch = true;  // VRNTIPS_E.TXT does not exist
    frmTip& e = Forms::get<frmTip>();
    EXPECT_TRUE(e.lblTipText->text().startsWith("Die Datei VRNTIPS_E.TXT wurde nicht gefunden "));
    QTest::mouseClick(e.cmdNextTip, Qt::LeftButton);
    EXPECT_TRUE(e.lblTipText->text().startsWith("Die Datei VRNTIPS_E.TXT"));
}

TEST_F(Tips, ATipsFileThatCannotBeReadLeavesTheWindowEmptyAndTheProgramStarts) {
    // 2 MB of line ends: far beyond any tips file, two million empty tips if taken.
    const QString resources = resourceFolder();
    setResourceFolder(env.folder());
    test::writeFile(env.folderStd() + "/VRNTIPS.TXT", std::string(2'000'000, '\n'));
    {
        MDIVRN w;
        w.MDIForm_Load();
        frmTip* t = Forms::loaded<frmTip>();
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->isVisible());
        EXPECT_TRUE(t->tips.isEmpty());
        EXPECT_EQ(t->lblTipText->text(), QString());
        QTest::mouseClick(t->cmdNextTip, Qt::LeftButton);
        EXPECT_EQ(t->lblTipText->text(), QString());
        // A folder in the file's place reads no better.
        t->tips = {"alt"};
        QDir().mkpath(env.folder() + "/ordner.txt");
        EXPECT_TRUE(t->LoadTips(env.folder() + "/ordner.txt"));
        EXPECT_TRUE(t->tips.isEmpty() && t->lblTipText->text().isEmpty());
    }
    setResourceFolder(resources);
}

// A named pipe in place of the tips file: the start-up does not wait for a
// writer, says why and shows the window without a tip.
TEST_F(Tips, APipeInPlaceOfTheTipsFileIsRefusedAtOnce) {
    const QString resources = resourceFolder();
    setResourceFolder(env.folder());
    test::Fifo rohr(env.folderStd() + "/VRNTIPS.TXT");
    test::MsgRecorder rec;
    {
        MDIVRN w;
        EXPECT_TRUE(rohr.endsAlone([&] { w.MDIForm_Load(); })) << "the tips window waited for a writer";
        frmTip* t = Forms::loaded<frmTip>();
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->isVisible());
        EXPECT_EQ(std::tuple(t->tips.size(), t->lblTipText->text()), std::tuple(0, QString()));
        EXPECT_TRUE(test::isOnlyMessage(rec, "Das ist keine gewöhnliche Datei: " + rohr.path(), "Meldung von LoadTips",
                                        MsgIcon::Critical));
    }
    setResourceFolder(resources);
}

namespace {

// Puts the settings store into a folder of the test for its lifetime.
class StoreIn {
public:
    explicit StoreIn(const std::string& folder)
        : saved_(QFileInfo(QFileInfo(settingsFilePath()).absolutePath()).absolutePath()) {
        setSettingsFolder(QString::fromStdString(folder));
        QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath());
    }
    ~StoreIn() { setSettingsFolder(saved_); }
    std::string file() const { return toStd(settingsFilePath()); }

private:
    QString saved_;
};

}  // namespace

// The switch cannot be stored (a read-only store, a pipe in its place): the
// tips window says so once per click and goes on; the store stays as it was.
TEST_F(Tips, AStoreThatCannotBeWrittenIsNamedOnceAndLeftAsItWas) {
    test::TempFolder dir;
    StoreIn store(dir.str());
    const std::string alt = "[Options]\nShow%20Tips%20at%20Startup=1\n";
    test::writeFile(store.file(), alt);
    ::chmod(store.file().c_str(), 0444);
    test::MsgRecorder rec;
    frmTip& t = Forms::get<frmTip>();
    t.Show();
    EXPECT_EQ(rec.count(), 0u) << "the stored value is already 1: nothing to write";
    QTest::mouseClick(t.chkLoadTipsAtStartup, Qt::LeftButton);
    EXPECT_TRUE(test::isOnlyMessage(rec,
                                    "Die Einstellung lässt sich nicht speichern.\r\nDie Datei ist schreibgeschützt: " +
                                        store.file() + "\r\nSie wurde nicht verändert.",
                                    "Meldung von chkLoadTipsAtStartup_Click", MsgIcon::Critical));
    struct stat st {};
    ::stat(store.file().c_str(), &st);
    EXPECT_EQ(std::tuple(test::readFile(store.file()), st.st_mode & 07777, t.isVisible()), std::tuple(alt, 0444u, true));
    t.Unload();
    test::processEvents();

    // A pipe in the store's place: the start-up names the pipe it cannot read and shows the tips by default.
    std::filesystem::remove(store.file());
    test::Fifo rohr(store.file());
    rec.clear();
    {
        MDIVRN w;
        EXPECT_TRUE(rohr.endsAlone([&] { w.MDIForm_Load(); })) << "the settings waited for a writer";
        ASSERT_TRUE(IsFormLoaded<frmTip>());
        EXPECT_TRUE(Forms::loaded<frmTip>()->isVisible());
        EXPECT_TRUE(test::isOnlyMessage(
            rec, "Die Einstellungen lassen sich nicht lesen.\r\nDas ist keine gewöhnliche Datei: " + store.file(),
            "Meldung von GetSetting", MsgIcon::Critical));
    }
    EXPECT_EQ(std::filesystem::status(store.file()).type(), std::filesystem::file_type::fifo);
}

// A settings file with a damaged line (stray words, a stray word alone): the
// switch is stored all the same, keeping every line that can be read, and
// every later save goes through too; nothing is left beside the file. (Files
// of binary bytes are no UTF-8 text: see the test after this one.)
TEST_F(Tips, ADamagedSettingsFileIsStoredKeepingWhatCanBeRead) {
    using namespace std::string_literals;
    const std::string fremd = "[Fremd]\nSchl%FCssel=\"Wert, mit Komma\"\n";
    // what, the file, the foreign key is kept
    const std::tuple<const char*, std::string, bool> rows[] = {
        {"a line of words", "[Options]\nShow%20Tips%20at%20Startup=1\nkaputt\n" + fremd, true},
        {"a word alone", "OLD", false},
    };
    for (const auto& [what, bytes, fremdBleibt] : rows) {
        SCOPED_TRACE(what);
        test::TempFolder dir;
        StoreIn store(dir.str());
        test::writeFile(store.file(), bytes);
        test::MsgRecorder rec;
        {
            frmTip& t = Forms::get<frmTip>();
            t.Show();
            ASSERT_TRUE(t.chkLoadTipsAtStartup->isChecked());
            QTest::mouseClick(t.chkLoadTipsAtStartup, Qt::LeftButton);  // "Dieses Fenster bei jedem Start anzeigen" cleared
            EXPECT_FALSE(t.chkLoadTipsAtStartup->isChecked());
            EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : "");
            EXPECT_EQ(GetSetting("Options", "Show Tips at Startup", "1"), QString("0"));
            QSettings qt(QString::fromStdString(store.file()), QSettings::IniFormat);
            EXPECT_EQ(std::tuple(qt.value("Options/Show Tips at Startup").toString(), qt.status()),
                      std::tuple(QString("0"), QSettings::NoError));
            EXPECT_EQ(qt.value("Fremd/Schlüssel").toString(), fremdBleibt ? QString("Wert, mit Komma") : QString());
            // And the next save as well.
            QTest::mouseClick(t.chkLoadTipsAtStartup, Qt::LeftButton);
            EXPECT_EQ(std::tuple(rec.count(), GetSetting("Options", "Show Tips at Startup", "0")),
                      std::tuple(0u, QString("1")));
            t.Unload();
            test::processEvents();
        }
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(QFileInfo(settingsFilePath()).absolutePath().toStdString()))
            names.push_back(e.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"varnolt.ini"});
    }
}

namespace {

// What QSettings reads of a file, from a copy of its own (so that nothing it
// kept of another file stands in): every key that can be asked for, with its value.
QMap<QString, QVariant> readByQSettings(const std::string& path, const std::string& folder) {
    static int count = 0;
    const std::string copy = folder + "/kopie" + std::to_string(++count) + ".ini";
    test::writeFile(copy, test::readFile(path));
    const QSettings qt(QString::fromStdString(copy), QSettings::IniFormat);
    QMap<QString, QVariant> read;
    for (const QString& k : qt.allKeys())
        if (!k.isEmpty() && qt.contains(k)) read.insert(k, qt.value(k));  // QSettings refuses to look up ""
    return read;
}


}  // namespace

// A settings file that is no UTF-8 text (UTF-16 and UTF-32 with and without
// a byte-order mark, Latin-1 in the middle and as the last byte, a UTF-8
// letter cut short at the end, binary bytes): the start-up names it, shows the
// tips as by default and leaves it untouched; a click on the box names it
// again and does not write it either.
TEST_F(Tips, ASettingsFileThatIsNoUtf8TextIsNamedAndLeftUntouched) {
    using namespace std::string_literals;
    const std::string text = "[Options]\r\nShow%20Tips%20at%20Startup=0\r\n";
    std::string le = "\xff\xfe"s, be;
    for (char c : text) {
        le += std::string{c, '\0'};
        be += std::string{'\0', c};
    }
    std::string utf32 = "\xff\xfe\0\0"s;
    for (char c : text) utf32 += std::string{c, '\0', '\0', '\0'};
    const std::string lesen =
        "\r\nEinstellungen werden aus einer Textdatei in UTF-8 gelesen; die Datei bleibt unverändert.";
    // what, the file, the reason before the file's name
    const std::tuple<const char*, std::string, const char*> rows[] = {
        {"UTF-16 LE with a byte-order mark", le, "Die Datei ist in UTF-16 kodiert: "},
        {"UTF-16 BE without one", be, "Die Datei ist in UTF-16 kodiert: "},
        {"UTF-32 LE", utf32, "Die Datei ist in UTF-32 kodiert: "},
        {"Latin-1", "[Options]\nShow%20Tips%20at%20Startup=0\n[Fenster]\nTitel=Gr\xfc\xdf" "e\n",
         "Die Datei ist keine Textdatei in UTF-8: "},
        {"a Latin-1 letter as the last byte", "[Options]\nShow%20Tips%20at%20Startup=0\n[Fenster]\nname=Jos\xe9",
         "Die Datei ist keine Textdatei in UTF-8: "},
        {"a UTF-8 letter cut short at the end", "[Options]\nShow%20Tips%20at%20Startup=0\n[Fenster]\nname=Jos\xc3",
         "Die Datei ist keine Textdatei in UTF-8: "},
        {"binary bytes", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe\x01\x02=\x03"s,
         "Die Datei ist keine Textdatei in UTF-8: "},
        {"binary bytes among the lines",
         "\xfe\xff\0[\0O\0]\n[Options]\r\nShow%20Tips%20at%20Startup=1\r\n\x01\x02\x03\x04\n\x7f=\x7f\n"s,
         "Die Datei ist in UTF-16 kodiert: "},
    };
    for (const auto& [what, bytes, reason] : rows) {
        SCOPED_TRACE(what);
        test::TempFolder dir;
        StoreIn store(dir.str());
        test::writeFile(store.file(), bytes);
        const std::string why = reason + store.file() + lesen;
        test::MsgRecorder rec;
        {
            MDIVRN w;
            w.MDIForm_Load();
            EXPECT_TRUE(test::isOnlyMessage(rec, "Die Einstellungen lassen sich nicht lesen.\r\n" + why,
                                            "Meldung von GetSetting", MsgIcon::Critical));
            frmTip* t = Forms::loaded<frmTip>();
            ASSERT_NE(t, nullptr);
            EXPECT_TRUE(t->isVisible() && t->chkLoadTipsAtStartup->isChecked());
            rec.clear();
            QTest::mouseClick(t->chkLoadTipsAtStartup, Qt::LeftButton);
            EXPECT_TRUE(test::isOnlyMessage(rec, "Die Einstellung lässt sich nicht speichern.\r\n" + why,
                                            "Meldung von chkLoadTipsAtStartup_Click", MsgIcon::Critical));
            t->Unload();
            test::processEvents();
        }
        EXPECT_TRUE(test::readFile(store.file()) == bytes) << "the file was changed";
    }
}

// A settings file without the tips switch (made by hand, or shared with other
// settings), and no settings file at all: the start-up shows the tips and
// writes nothing, comments and lines QSettings cannot read stay; the user's
// click on the box stores the switch.
TEST_F(Tips, TheStartUpWritesNoSettings) {
    const std::string bytes = "; von Hand\n[Fenster]\nBreite=800 ; Pixel\nnur Worte\n";
    for (const bool datei : {true, false}) {
        SCOPED_TRACE(datei ? "a file without the switch" : "no file");
        test::TempFolder dir;
        StoreIn store(dir.str());
        if (datei) test::writeFile(store.file(), bytes);
        test::MsgRecorder rec;
        MDIVRN w;
        w.MDIForm_Load();
        frmTip* t = Forms::loaded<frmTip>();
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->isVisible() && t->chkLoadTipsAtStartup->isChecked());
        if (datei) {
            EXPECT_TRUE(test::readFile(store.file()) == bytes) << "the start-up rewrote the settings";
        } else {
            EXPECT_FALSE(std::filesystem::exists(store.file())) << "the start-up made a settings file";
        }
        QTest::mouseClick(t->chkLoadTipsAtStartup, Qt::LeftButton);
        EXPECT_EQ(GetSetting("Options", "Show Tips at Startup", "1"), QString("0"));
        if (datei) {
            EXPECT_EQ(GetSetting("Fenster", "Breite", ""), QString("800"));
        }
        EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : "");
        t->Unload();
        test::processEvents();
    }
}

// Settings files edited by hand in which the user switched the tips off, as
// QSettings reads them: the start-up shows no tips and leaves the file as it
// is; the menu shows them with the box cleared and leaves it as well;
// checking the box stores "1", clearing it stores "0", and every other key
// stays as QSettings read it.
TEST_F(Tips, AHandEditedSwitchOffIsHonouredAtStartAndEveryOtherKeyKept) {
    using namespace std::string_literals;
    const QString tips = "Options/Show Tips at Startup";
    // what, the file
    const std::pair<const char*, std::string> rows[] = {
        {"CR-only line ends", "[Options]\rShow%20Tips%20at%20Startup=0\r[Fenster]\rBreite=800\r"},
        {"a UTF-8 BOM", "\xEF\xBB\xBF[Options]\nShow%20Tips%20at%20Startup=0\n[Fenster]\nBreite=800\n"},
        {"blanks in the section line", "[ Options ]\nShow%20Tips%20at%20Startup=0\n[Fenster]\nBreite=800\n"},
        {"a comment after the section", "[Options] ; Kommentar\nShow%20Tips%20at%20Startup=0\n[Fenster]\nBreite=800\n"},
        {"a comment after the value", "[Options]\nShow%20Tips%20at%20Startup=0 ; aus\n[Fenster]\nBreite=800\n"},
        {"a section line without ]", "[Options\nShow%20Tips%20at%20Startup=0\n[Fenster]\nBreite=800\n"},
        {"control, DEL and NUL bytes in values",
         "[Options]\nShow%20Tips%20at%20Startup=0\n[Fenster]\nA=x\x01y\nB=x\x7fy\nC=x\0y\n"s},
        {"a quoted value over two lines",
         "[Fenster]\nText=\"zwei\nZeilen\"\n[Options]\nShow%20Tips%20at%20Startup=0\n"},
        {"a line ending in a backslash",
         "[Fenster]\nZeile=ende\\\nweiter=1\n[Options]\nShow%20Tips%20at%20Startup=0\n"},
    };
    for (const auto& [what, bytes] : rows) {
        SCOPED_TRACE(what);
        test::TempFolder dir;
        StoreIn store(dir.str());
        test::writeFile(store.file(), bytes);
        QMap<QString, QVariant> others = readByQSettings(store.file(), dir.str());
        ASSERT_EQ(others.take(tips), QVariant(QString("0")));
        ASSERT_FALSE(others.isEmpty());
        test::MsgRecorder rec;
        {
            MDIVRN w;
            w.MDIForm_Load();
            EXPECT_EQ(std::tuple(IsFormLoaded<frmTip>(), app.bNoTipsAtStart), std::tuple(false, true));
            EXPECT_EQ(test::readFile(store.file()), bytes) << "the start-up rewrote the settings";

            w.clickMenu("mnuTip");
            frmTip* t = Forms::loaded<frmTip>();
            ASSERT_NE(t, nullptr);
            EXPECT_TRUE(t->isVisible() && !t->chkLoadTipsAtStartup->isChecked());
            EXPECT_EQ(test::readFile(store.file()), bytes) << "showing the tips rewrote the settings";

            QTest::mouseClick(t->chkLoadTipsAtStartup, Qt::LeftButton);
            EXPECT_TRUE(t->chkLoadTipsAtStartup->isChecked());
            QMap<QString, QVariant> now = readByQSettings(store.file(), dir.str());
            EXPECT_EQ(now.take(tips), QVariant(QString("1")));
            EXPECT_EQ(test::listedSettings(now), test::listedSettings(others));

            QTest::mouseClick(t->chkLoadTipsAtStartup, Qt::LeftButton);
            EXPECT_FALSE(t->chkLoadTipsAtStartup->isChecked());
            now = readByQSettings(store.file(), dir.str());
            EXPECT_EQ(now.take(tips), QVariant(QString("0")));
            EXPECT_EQ(test::listedSettings(now), test::listedSettings(others));
            t->Unload();
            test::processEvents();
        }
        EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : "");
    }
}

namespace {
class frmMonteProbe : public VrnForm, public MonteCarloOptionsTarget {
public:
    int size = 0, shape = 0, refreshes = 0;
    void applyPointStyle(int s, int code) override {
        size = s;
        shape = code;
    }
    void pressRefresh() override { ++refreshes; }
};
}  // namespace

class Options : public ::testing::Test {
protected:
    test::GuiTest env;
};

TEST_F(Options, OkTakesOverSpeedSizeShapeAndColours) {
    MDIVRN w;
    w.MDIForm_Load();
    auto& mc = Forms::get<frmMonteProbe>();
    w.clickMenu("mnuOption");
    frmOption* o = Forms::loaded<frmOption>();
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(std::tuple(o->caption(), app.PunktGroesse, o->Label56->text()), std::tuple("   Optionen", 7, "7"));
    o->Slider_geschwindigkeit->setValue(5);
    QTest::mouseClick(o->UpDown1_PointSize->upButton(), Qt::LeftButton);
    QTest::mouseClick(o->UpDown1_PointSize->upButton(), Qt::LeftButton);
    EXPECT_EQ(o->Label56->text(), QString("9"));
    QTest::mouseClick(o->chkSolidPoints, Qt::LeftButton);
    auto old = setColourChooser([](const QColor&) { return std::optional<QColor>(QColor(0, 128, 0)); });
    QTest::mouseClick(o->cmdAColor, Qt::LeftButton);
    setColourChooser([](const QColor&) { return std::optional<QColor>(); });  // cancelled
    QTest::mouseClick(o->cmdPColor, Qt::LeftButton);
    setColourChooser(old);
    QTest::mouseClick(o->cmdOK, Qt::LeftButton);
    EXPECT_FLOAT_EQ(app.MCSpeed, 5.0f / 12.0f);
    EXPECT_EQ(std::tuple(app.PunktGroesse, app.bSolidPoints, app.Farbe1, app.Farbe2),
              std::tuple(9, true, RGB(0, 128, 0), RGB(0, 0, 255)));
    EXPECT_EQ(std::tuple(mc.size, mc.shape, mc.refreshes, IsFormLoaded<frmOption>()), std::tuple(9, 2, 1, false));

    // Reopening puts the slider back to 5.
    w.clickMenu("mnuOption");
    EXPECT_EQ(Forms::loaded<frmOption>()->Slider_geschwindigkeit->value(), 5);
}

TEST_F(Options, CancelKeepsEverything) {
    app.MCSpeed = 0;
    frmOption& o = Forms::get<frmOption>();
    o.Show();
    o.Slider_geschwindigkeit->setValue(3);
    QTest::mouseClick(o.chkSolidPoints, Qt::LeftButton);
    QTest::keyClick(&o, Qt::Key_Escape);
    EXPECT_EQ(std::tuple(app.MCSpeed, app.bSolidPoints, IsFormLoaded<frmOption>()), std::tuple(0, false, false));
}
