// A movable panel that floats over the chart window (a "tool frame"): a
// framed box with a caption. Pressing any mouse button on the frame itself
// (not on a control inside it) picks it up; an outline follows the mouse and
// releasing the button drops it. Where it lands is the window's decision.
#pragma once

#include <QGroupBox>

class QRubberBand;

namespace vrn {

class ToolFrame : public QGroupBox {
    Q_OBJECT
public:
    ToolFrame(const QString& caption, bool draggable, QWidget* parent);

    bool draggable() const { return draggable_; }
    bool dragging() const { return dragging_; }

signals:
    // The frame was picked up at pos (pixels of the frame).
    void grabbed(QPoint pos);
    // The button was released at globalPos after a pick-up.
    void dropped(QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool draggable_;
    bool dragging_ = false;
    QPoint grip_;
    QRubberBand* outline_ = nullptr;
};

}  // namespace vrn
