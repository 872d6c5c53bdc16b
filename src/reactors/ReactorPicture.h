// The drawing surface of a reactor window: the picture, drawn in twips,
// is kept as a cached image; an overlay (the stirrer blades) is drawn on top
// at every paint.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <functional>

class QPainter;

namespace vrn {

class ReactorPicture : public QWidget {
    Q_OBJECT
public:
    // area: the part of the window's twips coordinates the surface shows,
    // enlarged by `scale` on the screen.
    explicit ReactorPicture(const QRect& area, double scale, QWidget* parent = nullptr);

    // Clears the picture to the window's background and draws it anew with
    // `draw`, which paints in twips with cosmetic pens.
    void redraw(const std::function<void(QPainter&)>& draw);

    // Drawn in twips over the picture at every paint; repaint() after a change.
    std::function<void(QPainter&)> overlay;

    // The surface as it is shown now (picture and overlay).
    QImage shown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void toTwips(QPainter& p) const;
    QRect area_;
    double scale_;
    QPixmap cache_;
};

}  // namespace vrn
