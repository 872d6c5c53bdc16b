// The board of the Monte Carlo window: the particles as circles (normal mode)
// or as cells in one filled square (large mode), drawn with QPainter into a
// picture that the widget keeps and shows. The flash of a converting particle
// is a white disc laid over the picture until the next draw.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

#include "base/Types.h"
#include "montecarlo/MonteCarloBoard.h"

namespace vrn {

class MCTeilchenfeld : public QWidget {
    Q_OBJECT
public:
    explicit MCTeilchenfeld(QWidget* parent = nullptr);

    // Margin in pixels between the widget's edge and the particle square.
    static constexpr int kRand = 3;

    // Draws the whole board for N0 particles in the widget's square: the
    // frame, then every particle in farbeA or farbeP by istA(i). Clears the flash.
    void zeichneFeld(Long N0, bool bGross, Colour farbeA, Colour farbeP, const std::function<bool(Long)>& istA);
    // Redraws particle i (1..N0) in the colour; any other i draws nothing.
    void zeichneTeilchen(Long i, Colour farbe);
    // Lays the flash over particle i; it stays until blitzAus or the next zeichneFeld.
    void blitz(Long i);
    void blitzAus();
    bool blitzAktiv() const { return blitzAn_; }
    // Shows what was drawn since the last call.
    void zeigen();

    const MCBrettGeometrie& geometrie() const { return g_; }
    // The kept picture (without the flash), in device pixels.
    const QImage& bild() const { return bild_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF teilchenRect(Long i) const;
    void fuelleZelle(Long i, Colour farbe);

    MCBrettGeometrie g_;
    QImage bild_;
    QRectF dirty_;
    bool blitzAn_ = false;
    double blitzX_ = 0, blitzY_ = 0;
};

}  // namespace vrn
