// The number field every numeric text box uses: keys are filtered through
// NumKeyFilter ("," typed becomes "."), Ctrl+C and Ctrl+A pass, refused keys
// are dropped, Enter moves to the next field, focus (by Tab or by a click)
// selects the whole text. Ctrl+V pastes the clipboard's number with its
// decimal comma turned into a point; a clipboard text that is no number is
// refused like a refused key. A computed field is light yellow and locked.
#pragma once

#include <QLineEdit>

#include <functional>

#include "base/Zahlbereich.h"

namespace vrn {

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);
    explicit NumberField(const QString& text, QWidget* parent = nullptr);

    // Input fields are white and editable, computed fields light yellow and locked.
    void setComputed(bool computed);
    bool isComputed() const { return computed_; }

    // The leading-number reading of the text (0 for a number too large for a Double).
    double value() const;
    // The same rounded to a Single (0 for a number beyond its range).
    float singleValue() const;
    // Whether the text's leading number is too large for the field: for a
    // Double, or with single true for a Single ("1.8E+308", "3.5E+38").
    bool isTooLarge(bool single = false) const;
    // The same with its direction: ZuGross, ZuKlein (a negative number beyond
    // the range) or Keiner.
    Ueberlauf ueberlauf(bool single = false) const;

    // The number of a pasted text: blanks and line breaks around it dropped,
    // "," turned into "."; empty when the text holds anything the key filter
    // refuses or no number.
    static QString pastedNumber(const QString& clip);

    // Lets the owner see each key first (as a key handler would); set key to 0
    // to drop it. Runs before the filter; Ctrl+V comes as 22.
    std::function<void(int& key)> onKeyPress;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void watchEdits();
    void pasteNumber();
    bool computed_ = false;
    bool justFocused_ = false;
    bool selectOnRelease_ = false;
};

// Colours of input and computed fields.
extern const char* const kInputFieldStyle;
extern const char* const kComputedFieldStyle;

}  // namespace vrn
