// The number field every numeric text box uses: keys are filtered through
// NumKeyFilter ("," typed becomes "."), Ctrl+C and Ctrl+A pass, refused keys
// are dropped, Enter moves to the next field, focus (by Tab or by a click)
// selects the whole text. Ctrl+V pastes the clipboard's number with its
// decimal comma turned into a point; a clipboard text that is no number is
// refused like a refused key. A computed field is light yellow and locked.
#pragma once

#include <QLineEdit>

#include <functional>
#include <utility>

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

    // The field as the window shows it: its name, width and range, which
    // lies() reads it as (base/Zahlbereich.h).
    void setZahlfeld(Zahlfeld f) { zahlfeld_ = std::move(f); }
    const Zahlfeld& zahlfeld() const { return zahlfeld_; }
    // The checked reading of the whole text as the field it is: the value or
    // the line that names the field and what it takes.
    Zahllesung lies() const;
    // The same as field f, which the field keeps as its name from now on.
    Zahllesung lies(const Zahlfeld& f);
    // The number of a text the program wrote into the field (a result) or that
    // lies() took: any number of a Double, 0 for an empty field. Never for a
    // text the user typed and nothing checked.
    double programmWert() const;

    // The number of a pasted text: blanks and line breaks around it dropped,
    // "," turned into "."; empty when the text holds anything the key filter
    // refuses or is no number as a whole (a number beyond any width is pasted
    // and named when the field is read).
    static QString pastedNumber(const QString& clip);

    // Lets the owner see each key first (as a key handler would); set key to 0
    // to drop it. Runs before the filter; Ctrl+V comes as 22.
    std::function<void(int& key)> onKeyPress;

signals:
    void enterPressed();
    // The field took the focus: a window whose field is in force as it is
    // typed keeps the value it held then, to put it back when the field is
    // left with a text it refuses.
    void fokusErhalten();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void watchEdits();
    void pasteNumber();
    Zahlfeld zahlfeld_;
    bool computed_ = false;
    bool justFocused_ = false;
    bool selectOnRelease_ = false;
};

// Colours of input and computed fields.
extern const char* const kInputFieldStyle;
extern const char* const kComputedFieldStyle;

}  // namespace vrn
