// A spin button: two small arrows that step a whole number within a range.
// The number itself is shown by a label beside it (its "buddy").
#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace vrn {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int min, int max);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int value() const { return value_; }
    // Sets the value within the range; emits valueChanged when it changes.
    void setValue(int v);
    // The label that shows the value; updated on every change.
    void setBuddy(QLabel* label);

    void stepUp() { setValue(value_ + 1); }
    void stepDown() { setValue(value_ - 1); }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void valueChanged(int value);

private:
    int min_ = 0;
    int max_ = 10;
    int value_ = 0;
    QToolButton* up_;
    QToolButton* down_;
    QLabel* buddy_ = nullptr;
};

}  // namespace vrn
