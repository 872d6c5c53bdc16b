#include "support/GuiTestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDebug>
#include <QFile>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <vector>

#include "platform/Forms.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "support/StateAlarm.h"
#include "app/MDIVRN.h"
#include "app/StartUp.h"

namespace vrn::test {

namespace {
std::vector<MsgRequest>& unexpected() {
    static std::vector<MsgRequest> v;
    return v;
}
}  // namespace

const std::vector<MsgRequest>& unexpectedMessages() { return unexpected(); }
void clearUnexpectedMessages() { unexpected().clear(); }

void installDefaultTestHandler() {
    setMsgHandler([](const MsgRequest& r) {
        unexpected().push_back(r);
        return firstAnswer(r.buttons);
    });
    setBeepHandler([] {});
}

GuiTest::GuiTest() : dir_(std::make_unique<QTemporaryDir>()) {
    Forms::destroyAll();
    processEvents();
    setProgramFolder(dir_->path() + "/prog");
    QDir().mkpath(dir_->path() + "/prog");
    resetAppState(toStd(programFolder()));
    syncNumberLocale();
    clearUnexpectedMessages();
}

GuiTest::~GuiTest() {
    Forms::destroyAll();
    processEvents();
}

MainWindowTest::MainWindowTest(bool load, QSize size) : main(std::make_unique<MDIVRN>()) {
    if (load) main->MDIForm_Load();
    main->resize(size);
    main->show();
    main->activateWindow();
    QApplication::setActiveWindow(main.get());
    processEvents();
}

std::unique_ptr<MDIVRN> startMainWindow(QSize size) {
    auto main = std::make_unique<MDIVRN>();
    MDIVRN::endProgram = [] {};
    main->MDIForm_Load();
    main->resize(size);
    main->show();
    QApplication::setActiveWindow(main.get());
    processEvents();
    return main;
}

MainWindowTest::~MainWindowTest() {
    Forms::destroyAll();
    processEvents();
    main.reset();
    processEvents();
}

QString GuiTest::folder() const { return dir_->path() + "/prog"; }
std::string GuiTest::folderStd() const { return toStd(folder()); }

LocaleGuard::LocaleGuard(const QLocale& locale) : old_(QLocale()) {
    QLocale::setDefault(locale);
    syncNumberLocale();
}

LocaleGuard::~LocaleGuard() {
    QLocale::setDefault(old_);
    syncNumberLocale();
}

namespace {
// The folder the test program started in; the program itself moves the
// current folder into its program folder.
QString& screenshotBase() {
    static QString base = QDir::currentPath();
    return base;
}
}  // namespace

void rememberStartFolder() { screenshotBase(); }

QImage svgImage(const QByteArray& svg, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QSvgRenderer(svg).render(&p);
    return img;
}

int strayPixels(const QImage& a, const QImage& b, const std::function<bool(QRgb)>& farbe) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!farbe(a.pixel(x, y))) continue;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx)
                    near = b.rect().contains(x + dx, y + dy) && farbe(b.pixel(x + dx, y + dy));
            if (!near) ++n;
        }
    return n;
}

QString saveScreenshot(QWidget* w, const QString& name) {
    const QString dir = screenshotBase() + "/screenshots";
    QDir().mkpath(dir);
    const QString path = dir + "/" + name + ".png";
    w->grab().save(path);
    return path;
}

namespace {
// Room a caption needs beside its text: the indicator of option buttons and
// check boxes, the frame of buttons and group titles.
int captionMargin(const QWidget* c) {
    if (qobject_cast<const QCheckBox*>(c) || qobject_cast<const QRadioButton*>(c)) return 18;
    if (qobject_cast<const QLabel*>(c)) return 0;
    return 4;
}
}  // namespace

::testing::AssertionResult fitsItsWindow(QWidget* window) {
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(window) || c->isWindow()) continue;
        const QString name = c->objectName() + " (" + c->metaObject()->className() + ")";
        if (!window->rect().contains(QRect(c->mapTo(window, QPoint(0, 0)), c->size())))
            return ::testing::AssertionFailure() << name.toStdString() << " lies outside its window";
        QString text;
        if (const auto* l = qobject_cast<QLabel*>(c); l && !l->wordWrap() && l->textFormat() != Qt::RichText)
            text = l->text();
        else if (const auto* b = qobject_cast<QAbstractButton*>(c))
            text = b->text();
        else if (const auto* g = qobject_cast<QGroupBox*>(c))
            text = g->title();
        for (const QString& line : text.remove('&').split('\n')) {
            if (c->fontMetrics().horizontalAdvance(line) + captionMargin(c) > c->width())
                return ::testing::AssertionFailure() << name.toStdString() << " cuts \"" << line.toStdString() << '"';
        }
        // A combo box shows each of its entries whole when it is chosen.
        if (const auto* cb = qobject_cast<QComboBox*>(c)) {
            QStyleOptionComboBox opt;
            opt.initFrom(cb);
            opt.editable = cb->isEditable();
            opt.frame = cb->hasFrame();
            const QRect field = cb->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, cb);
            for (int i = 0; i < cb->count(); ++i)
                if (cb->fontMetrics().horizontalAdvance(cb->itemText(i)) > field.width())
                    return ::testing::AssertionFailure() << name.toStdString() << " cuts \""
                                                         << cb->itemText(i).toStdString() << '"';
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult showsWhole(QLabel* label) {
    if (!label || !label->isVisible()) return ::testing::AssertionFailure() << "the label is not shown";
    QWidget* window = label->window();
    if (!window->rect().contains(QRect(label->mapTo(window, QPoint(0, 0)), label->size())))
        return ::testing::AssertionFailure() << "the label lies outside its window";
    const QRect box = label->contentsRect();
    // A label breaks its text at its line ends, and where it wraps, at words.
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needs = label->fontMetrics().boundingRect(QRect(0, 0, box.width(), 100000), flags, label->text());
    if (needs.width() > box.width() || needs.height() > box.height())
        return ::testing::AssertionFailure() << '"' << label->text().toStdString() << "\" needs " << needs.width() << "x"
                                             << needs.height() << ", the label has " << box.width() << "x"
                                             << box.height();
    return ::testing::AssertionSuccess();
}

void typeInto(QLineEdit* field, const QString& keys) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
}

void clickButton(QAbstractButton* b) {
    if (qobject_cast<QPushButton*>(b)) QTest::mouseClick(b, Qt::LeftButton);
    else QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

void loadSample(MDIVRN& w, const QString& folder, const QString& name) {
    for (const char* ext : {".VRP", ".VRD"})
        QFile::copy(resourceFolder() + "/samples/" + name + ext, folder + "/" + name + ext);
    answerOpenDialog(toStd(name + ".VRP"), toStd(folder));
    w.clickMenu("mnuLoadProject");
}

void loadFirstOrderSample(MDIVRN& w, const QString& folder) { loadSample(w, folder, "1st_order"); }

bool chartShownUnderTheHourglass(const std::function<void()>& step) {
    bool waiting = false;
    const auto show = hooks().chartWindow.showChartWindow;
    hooks().chartWindow.showChartWindow = [&waiting, show] {
        const QCursor* c = QGuiApplication::overrideCursor();
        waiting = c && c->shape() == Qt::WaitCursor;
        return show();
    };
    step();
    hooks().chartWindow.showChartWindow = show;
    return waiting;
}

QByteArray pdfContent(const QByteArray& pdf) {
    QByteArray out;
    for (qsizetype pos = 0; (pos = pdf.indexOf("stream", pos)) >= 0;) {
        qsizetype start = pos + 6;
        while (start < pdf.size() && (pdf[start] == '\r' || pdf[start] == '\n')) ++start;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0) break;
        const QByteArray raw = pdf.mid(start, end - start);
        out += raw.startsWith('\x78') ? qUncompress(QByteArray("\0\x40\0\0", 4) + raw) : raw;  // room for 4 MB
        out += '\n';
        pos = end + 9;
    }
    return out;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int countPixels(const QImage& img, const std::function<bool(const QColor&)>& is) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += is(img.pixelColor(x, y)) ? 1 : 0;
    return n;
}

QRect textRect(ChartControl& c, ChartTextBlock b) {
    return QRect(c.textLeft(b), c.textTop(b), c.textWidth(b), c.textHeight(b));
}

QRect legendRect(ChartControl& c) { return QRect(c.legendLeft(), c.legendTop(), c.legendWidth(), c.legendHeight()); }

void processEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The event loop falls idle: the owner's check of unannounced writes.
    idleCheck();
}

QAction* menuActionByPath(QMenuBar* bar, const QString& path) {
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (const QString& part : path.split("::")) {
        found = nullptr;
        for (QAction* a : actions)
            if (a->text() == part) found = a;
        if (!found) return nullptr;
        if (found->menu()) actions = found->menu()->actions();
    }
    return found;
}

std::string listedSettings(const QMap<QString, QVariant>& values) {
    QString text;
    QDebug out(&text);
    for (auto it = values.cbegin(); it != values.cend(); ++it) out << it.key() << it.value() << "\n";
    return toStd(text);
}

}  // namespace vrn::test
