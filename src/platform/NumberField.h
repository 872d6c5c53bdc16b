// The number field every numeric text box uses: keys are filtered through
// NumKeyFilter ("," typed becomes "."), Ctrl+C and Ctrl+V pass, refused keys
// are dropped, Enter moves to the next field, focus selects the whole text.
// A computed field is light yellow and locked.
#pragma once

#include <QLineEdit>

#include <functional>

namespace vrn {

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);
    explicit NumberField(const QString& text, QWidget* parent = nullptr);

    // Input fields are white and editable, computed fields light yellow and locked.
    void setComputed(bool computed);
    bool isComputed() const { return computed_; }

    // The leading-number reading of the text.
    double value() const;

    // Lets the owner see each key first (as a key handler would); set key to 0
    // to drop it. Runs before the filter.
    std::function<void(int& key)> onKeyPress;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool computed_ = false;
    bool selectOnRelease_ = false;
};

// Colours of input and computed fields.
extern const char* const kInputFieldStyle;
extern const char* const kComputedFieldStyle;

}  // namespace vrn
