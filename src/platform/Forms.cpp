#include "platform/Forms.h"

#include "platform/NumberField.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "platform/Twips.h"

#include <algorithm>

namespace vrn {

namespace {
QPointer<QMdiArea> gMdi;
QPointer<QWidget> gMain;
QPointer<VrnForm> gWork;
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
VrnForm* Forms::workWindow() { return gWork.data(); }

QRect Forms::frameInMdiArea(VrnForm* f) {
    if (!f || !gMdi || !f->frame()->isVisible()) return {};
    QWidget* fr = f->frame();
    QWidget* view = gMdi->viewport();
    if (fr->parentWidget() == view) return fr->geometry();
    const QPoint at = view->mapFromGlobal(fr->mapToGlobal(QPoint(0, 0)));
    // A tool window's frame decoration lies around its widget.
    const QRect outer = fr->frameGeometry();
    const QPoint deco = fr->geometry().topLeft() - outer.topLeft();
    return QRect(at - deco, outer.size());
}

QSize Forms::mdiAreaSize() {
    if (!gMdi || !gMdi->isVisible()) return {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize area = gMdi->viewport()->size();
    return area.width() > 0 && area.height() > 0 ? area : QSize();
}

QPoint Forms::besideInMdiArea(const QRect& source, QSize own, int overlap, const std::vector<QRect>& keep) {
    const QSize area = mdiAreaSize();
    const QRect atRight(QPoint(source.right() + 1 - overlap, source.bottom() + 1 - own.height()), own);
    if (area.isEmpty()) return atRight.topLeft();
    const QRect whole(QPoint(0, 0), area);
    const QRect candidates[] = {
        atRight,
        QRect(QPoint(source.right() + 1 - own.width(), source.bottom() + 1), own),
        QRect(QPoint(source.right() + 1 - own.width(), source.top() - own.height()), own),
        QRect(QPoint(source.left() - own.width(), source.bottom() + 1 - own.height()), own),
    };
    // The overlap with the source's right edge is wanted; anything more is not.
    const QRect body = source.adjusted(0, 0, -std::max(0, overlap), 0);
    for (QRect c : candidates) {
        c.moveLeft(std::max(0, c.left()));
        c.moveTop(std::max(0, c.top()));
        if (whole.contains(c) && !c.intersects(body)) return c.topLeft();
    }
    // No free place: search the area, bottom right first.
    const auto covered = [](const QRect& a, const QRect& b) {
        const QRect i = a.intersected(b);
        return i.isEmpty() ? 0LL : static_cast<long long>(i.width()) * i.height();
    };
    QPoint best = fitIntoMdiArea(atRight).topLeft();
    long long bestControls = -1, bestSource = -1;
    for (int y = std::max(0, area.height() - own.height()); y >= 0; y -= 2)
        for (int x = std::max(0, area.width() - own.width()); x >= 0; x -= 4) {
            const QRect c(QPoint(x, y), own);
            long long controls = 0;
            for (const QRect& k : keep) controls += covered(c, k);
            const long long src = covered(c, body);
            if (bestControls < 0 || controls < bestControls || (controls == bestControls && src < bestSource)) {
                bestControls = controls;
                bestSource = src;
                best = c.topLeft();
            }
        }
    return best;
}

std::vector<QRect> Forms::controlsInMdiArea(VrnForm* f) {
    std::vector<QRect> controls;
    if (!f || !gMdi || !f->frame()->isVisible()) return controls;
    QWidget* view = gMdi->viewport();
    for (QWidget* w : f->findChildren<QWidget*>())
        if (w->isVisibleTo(f) && !w->isWindow() && w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
            controls.emplace_back(view->mapFromGlobal(w->mapToGlobal(QPoint(0, 0))), w->size());
    return controls;
}

QRect Forms::keepControlsFree(const QRect& want, const std::vector<QRect>& controls) {
    const QSize area = mdiAreaSize();
    if (area.isEmpty()) return want;
    const auto covered = [&controls](const QRect& r) {
        long long sum = 0;
        for (const QRect& c : controls) {
            const QRect i = r.intersected(c);
            if (!i.isEmpty()) sum += static_cast<long long>(i.width()) * i.height();
        }
        return sum;
    };
    if (covered(want) == 0) return want;
    const auto distance = [&want](const QRect& r) {
        return std::abs(r.left() - want.left()) + std::abs(r.top() - want.top());
    };
    // At the wanted size, where it covers the least, nearest the wanted place.
    const QRect inside = fitIntoMdiArea(want);
    // Every fourth pixel, the wanted place and the far edges of the area.
    const auto places = [](int wanted, int last) {
        std::vector<int> v{wanted, last};
        for (int p = 0; p < last; p += 4) v.push_back(p);
        return v;
    };
    QRect best = inside;
    long long least = covered(inside);
    for (int y : places(inside.top(), std::max(0, area.height() - inside.height())))
        for (int x : places(inside.left(), std::max(0, area.width() - inside.width()))) {
            const QRect c(QPoint(x, y), inside.size());
            const long long n = covered(c);
            if (n < least || (n == least && distance(c) < distance(best))) {
                least = n;
                best = c;
            }
        }
    return best;
}

std::pair<QPoint, QPoint> Forms::sideBySide(QSize tool, const QRect& child, QSize area, int gap) {
    const int top = std::max(0, std::min(child.top(), area.height() - tool.height()));
    const int w = tool.width() + gap;
    // Room right and left of the child where it stands.
    if (area.width() - (child.left() + child.width()) >= w) return {{child.left() + child.width() + gap, top}, child.topLeft()};
    if (child.left() >= w) return {{child.left() - w, top}, child.topLeft()};
    if (child.width() + w <= area.width()) {
        // Moved left just far enough for the tool on its right, or right for the tool on its left.
        const int nachLinks = child.left() + child.width() + w - area.width();
        const int nachRechts = w - child.left();
        const QPoint links(child.left() - nachLinks, child.top());
        if (nachLinks <= nachRechts) return {{links.x() + child.width() + gap, top}, links};
        return {{child.left() + nachRechts - w, top}, {child.left() + nachRechts, child.top()}};
    }
    return {{std::max(0, area.width() - tool.width()), top}, {0, child.top()}};
}

void Forms::placeToolBeside(VrnForm* tool, VrnForm* child) {
    if (!tool || !child || !gMdi) return;
    const QRect t = frameInMdiArea(tool);
    const QRect c = frameInMdiArea(child);
    if (t.isEmpty() || c.isEmpty()) return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto [toolAt, childAt] = sideBySide(t.size(), c, gMdi->viewport()->size());
    if (childAt != c.topLeft()) child->frame()->move(childAt);
    // A window's position is that of its frame, on the screen.
    QWidget* fr = tool->frame();
    if (fr->isWindow()) fr->move(gMdi->viewport()->mapToGlobal(toolAt));
    else fr->move(fr->parentWidget()->mapFromGlobal(gMdi->viewport()->mapToGlobal(toolAt)));
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

VrnForm::~VrnForm() {
    // The window is gone but for its widgets: a number field that loses the
    // focus as they go says nothing more to it (its "left" handlers belong
    // to the window).
    for (NumberField* f : findChildren<NumberField*>()) f->blockSignals(true);
    forget();
}

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
            if (w && w == sub_ && !gone_) {
                if (!zeroSize_) gWork = this;
                Form_Activate();
            }
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
    gWork = this;
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
    if (!zeroSize_) gWork = this;
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
    if (e->type() == QEvent::WindowActivate && !gone_ && !sub_) {
        if (!zeroSize_) gWork = this;
        Form_Activate();
    }
    return QWidget::event(e);
}

void VrnForm::setCancelButton(QAbstractButton* b) { cancelButton_ = b; }
void VrnForm::setDefaultButton(QAbstractButton* b) {
    // A push button shows that it is the default one.
    if (auto* old = qobject_cast<QPushButton*>(defaultButton_.data())) old->setDefault(false);
    defaultButton_ = b;
    if (auto* p = qobject_cast<QPushButton*>(b)) p->setDefault(true);
}

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
