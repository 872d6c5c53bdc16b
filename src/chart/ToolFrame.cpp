#include "chart/ToolFrame.h"

#include <QMouseEvent>
#include <QRubberBand>

namespace vrn {

ToolFrame::ToolFrame(const QString& caption, bool draggable, QWidget* parent)
    : QGroupBox(caption, parent), draggable_(draggable) {
    setAutoFillBackground(true);
    setStyleSheet(
        "vrn--ToolFrame { background-color: #F2F2EE; border: 1px solid #7A7A7A; border-radius: 3px;"
        " margin-top: 9px; padding: 6px 4px 4px 4px; }"
        "vrn--ToolFrame::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #1F3A73;"
        " font-weight: bold; background-color: #F2F2EE; }");
    if (draggable_) setCursor(Qt::SizeAllCursor);
    hide();
}

void ToolFrame::mousePressEvent(QMouseEvent* event) {
    if (!draggable_) {
        QGroupBox::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    grip_ = event->position().toPoint();
    emit grabbed(grip_);
    event->accept();
}

void ToolFrame::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        QGroupBox::mouseMoveEvent(event);
        return;
    }
    QWidget* p = parentWidget();
    if (!p) return;
    if (!outline_) outline_ = new QRubberBand(QRubberBand::Rectangle, p);
    const QPoint at = p->mapFromGlobal(event->globalPosition().toPoint()) - grip_;
    outline_->setGeometry(QRect(at, size()));
    outline_->show();
    outline_->raise();
    event->accept();
}

void ToolFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) {
        QGroupBox::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    if (outline_) outline_->hide();
    emit dropped(event->globalPosition().toPoint());
    event->accept();
}

}  // namespace vrn
