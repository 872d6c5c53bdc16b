#include "platform/Forms.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/Twips.h"

#include <algorithm>

namespace vrn {

namespace {
QPointer<QMdiArea> gMdi;
QPointer<QWidget> gMain;
}  // namespace

std::map<std::type_index, QPointer<VrnForm>>& Forms::registry() {
    static std::map<std::type_index, QPointer<VrnForm>> r;
    return r;
}

bool Forms::isLoaded(const VrnForm* f) {
    if (!f) return false;
    for (auto& [key, p] : registry())
        if (p.data() == f) return true;
    return false;
}

std::vector<VrnForm*> Forms::all() {
    std::vector<VrnForm*> v;
    for (auto& [key, p] : registry())
        if (!p.isNull()) v.push_back(p.data());
    return v;
}

void Forms::destroyAll() {
    auto forms = all();
    registry().clear();
    for (VrnForm* f : forms) {
        f->gone_ = true;
        if (f->sub_) delete f->sub_.data();
        else delete f;
    }
}

void Forms::setMdiArea(QMdiArea* area) { gMdi = area; }
QMdiArea* Forms::mdiArea() { return gMdi.data(); }

QRect Forms::fitIntoMdiArea(const QRect& frame) {
    if (!gMdi || !gMdi->isVisible()) return frame;
    // The area's size must be the laid-out one (the main window may just have
    // been shown or resized).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize area = gMdi->viewport()->size();
    if (area.width() <= 0 || area.height() <= 0) return frame;
    QRect r(frame.topLeft(), frame.size().boundedTo(area));
    r.moveLeft(std::max(0, std::min(r.left(), area.width() - r.width())));
    r.moveTop(std::max(0, std::min(r.top(), area.height() - r.height())));
    return r;
}
void Forms::setMainWindow(QWidget* w) { gMain = w; }
QWidget* Forms::mainWindow() { return gMain.data(); }

VrnForm::VrnForm(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    if (kind_ == Kind::Tool) {
        if (QWidget* owner = Forms::mainWindow()) setParent(owner, Qt::Tool);
        else setWindowFlags(Qt::Tool);
    }
}

VrnForm::~VrnForm() { forget(); }

void VrnForm::forget() {
    auto& r = Forms::registry();
    for (auto it = r.begin(); it != r.end();) {
        if (it->second.data() == this || it->second.isNull()) it = r.erase(it);
        else ++it;
    }
}

QWidget* VrnForm::frame() { return sub_ ? static_cast<QWidget*>(sub_.data()) : static_cast<QWidget*>(this); }

void VrnForm::Show() {
    if (kind_ == Kind::MdiChild && !sub_ && Forms::mdiArea()) {
        const QSize sz = size();
        const QPoint place = pos();
        sub_ = Forms::mdiArea()->addSubWindow(this);
        sub_->setAttribute(Qt::WA_DeleteOnClose, true);
        // A child becomes active when the area activates its sub-window (the
        // child itself gets no activation event of its own).
        connect(Forms::mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
            if (w && w == sub_ && !gone_) Form_Activate();
        });
        sub_->setWindowTitle(windowTitle());
        if (!windowIcon().isNull()) sub_->setWindowIcon(windowIcon());
        // Every child opens inside the area it belongs to, as large as it
        // asks but never larger than the area shows; the user may make it
        // larger afterwards (the area then scrolls).
        const QSize want = sz.isValid() ? sub_->sizeHint().expandedTo(sz) : sub_->size();
        if (positioned_) sub_->setGeometry(Forms::fitIntoMdiArea(QRect(place, want)));
        else sub_->resize(Forms::fitIntoMdiArea(QRect(QPoint(0, 0), want)).size());
    }
    if (zeroSize_) {
        if (sub_) sub_->hide();
        else hide();
        return;
    }
    if (sub_) {
        sub_->show();
        show();
        Forms::mdiArea()->setActiveSubWindow(sub_);
    } else {
        show();
        raise();
        activateWindow();
    }
}

void VrnForm::Hide() {
    if (sub_) sub_->hide();
    else hide();
}

void VrnForm::SetFocus() {
    if (sub_ && Forms::mdiArea()) Forms::mdiArea()->setActiveSubWindow(sub_);
    frame()->raise();
    frame()->activateWindow();
    setFocus();
}

bool VrnForm::Unload() {
    if (gone_) return true;
    bool cancel = false;
    unloading_ = true;
    Form_Unload(cancel);
    if (cancel) {
        unloading_ = false;
        return false;
    }
    gone_ = true;
    forget();
    emit unloaded();
    frame()->hide();
    if (sub_) sub_->deleteLater();
    else deleteLater();
    return true;
}

void VrnForm::closeEvent(QCloseEvent* event) {
    // The close box, Alt+F4 or the sub-window's close: the same as Unload.
    if (gone_) {
        event->accept();
        return;
    }
    event->ignore();
    Unload();
}

bool VrnForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !gone_ && !sub_) Form_Activate();
    return QWidget::event(e);
}

void VrnForm::setCancelButton(QAbstractButton* b) { cancelButton_ = b; }
void VrnForm::setDefaultButton(QAbstractButton* b) { defaultButton_ = b; }

void VrnForm::keyPressEvent(QKeyEvent* event) {
    auto usable = [](QAbstractButton* b) { return b && b->isVisible() && b->isEnabled(); };
    if (event->key() == Qt::Key_Escape && usable(cancelButton_)) {
        cancelButton_->click();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && usable(defaultButton_)) {
        defaultButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void VrnForm::setCaption(const QString& text) {
    setWindowTitle(text);
    if (sub_) sub_->setWindowTitle(text);
}

QString VrnForm::caption() const { return windowTitle(); }

int VrnForm::twipsLeft() { return pixelsToTwipsX(frame()->x()); }
int VrnForm::twipsTop() { return pixelsToTwipsY(frame()->y()); }
int VrnForm::twipsWidth() { return pixelsToTwipsX(frame()->width()); }
int VrnForm::twipsHeight() { return pixelsToTwipsY(frame()->height()); }
void VrnForm::moveTwips(int left, int top) {
    positioned_ = true;
    frame()->move(twipsToPixelsX(left), twipsToPixelsY(top));
}
void VrnForm::resizeTwips(int width, int height) {
    frame()->resize(twipsToPixelsX(width), twipsToPixelsY(height));
}

}  // namespace vrn
