// Windows of the program: each exists at most once, is created on first use
// and deleted when unloaded. The registry answers "is it loaded" without ever
// creating a window.
#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <typeindex>
#include <vector>

class QAbstractButton;
class QMdiArea;
class QMdiSubWindow;

namespace vrn {

class VrnForm : public QWidget {
    Q_OBJECT
public:
    // An MDI child lives in the main window's MDI area; a tool window floats
    // above the main window.
    enum class Kind { MdiChild, Tool };

    explicit VrnForm(Kind kind = Kind::MdiChild, QWidget* parent = nullptr);
    ~VrnForm() override;

    Kind kind() const { return kind_; }

    // Shows the window (inside the MDI area for a child) and activates it.
    void Show();
    // Hides the window; it stays loaded.
    void Hide();
    // Runs the unload handler; unless it cancels, the window is removed from
    // the registry at once and deleted when control returns to the event loop.
    // Returns false when the handler cancelled.
    bool Unload();
    // Gives the window the focus and brings it forward.
    virtual void SetFocus();

    void setCaption(const QString& text);
    QString caption() const;

    // The widget that carries the frame: the MDI sub-window of a child, else the form.
    QWidget* frame();

    // Position and size of the frame in twips.
    int twipsLeft();
    int twipsTop();
    int twipsWidth();
    int twipsHeight();
    void moveTwips(int left, int top);
    void resizeTwips(int width, int height);

    bool isUnloading() const { return unloading_; }

    // Esc presses the cancel button, Enter the default button (when shown and
    // enabled); keys that a control of the window takes itself never arrive
    // here, Enter on a focused push button among them (platform/EnterKey.h).
    void setCancelButton(QAbstractButton* b);
    void setDefaultButton(QAbstractButton* b);

    // A zero-size window: Show loads it into the MDI area but keeps its frame hidden.
    void setZeroSize(bool zero) { zeroSize_ = zero; }

    // A window that stays open behind the others (the model window): windows
    // the program opens later may cover it.
    void setMayBeCovered(bool on) { mayBeCovered_ = on; }
    bool mayBeCovered() const { return mayBeCovered_; }

signals:
    void unloaded();

protected:
    friend class Forms;
    // Runs once, right after the registry created the window.
    virtual void Form_Load() {}
    // Runs whenever the window becomes the active window.
    virtual void Form_Activate() {}
    // Runs before the window goes; set cancel to keep it.
    virtual void Form_Unload(bool& cancel) {}

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void forget();
    Kind kind_;
    QPointer<QMdiSubWindow> sub_;
    bool unloading_ = false;
    bool gone_ = false;
    bool zeroSize_ = false;
    bool mayBeCovered_ = false;
    bool positioned_ = false;  // the window chose its own place before it was shown
    QPointer<QAbstractButton> cancelButton_;
    QPointer<QAbstractButton> defaultButton_;
};

class Forms {
public:
    // The window of type T; creates and loads it when it is not loaded.
    template <class T>
    static T& get() {
        if (T* f = loaded<T>()) return *f;
        T* f = new T();
        registry()[std::type_index(typeid(T))] = f;
        static_cast<VrnForm*>(f)->Form_Load();
        return *f;
    }
    // The window of type T when it is loaded, else nullptr. Never creates.
    template <class T>
    static T* loaded() {
        auto it = registry().find(std::type_index(typeid(T)));
        if (it == registry().end() || it->second.isNull()) return nullptr;
        return static_cast<T*>(it->second.data());
    }
    template <class T>
    static bool unload() {
        if (T* f = loaded<T>()) return f->Unload();
        return true;
    }
    static bool isLoaded(const VrnForm* f);
    static std::vector<VrnForm*> all();
    // Deletes every loaded window without running unload handlers.
    static void destroyAll();

    static void setMdiArea(QMdiArea* area);
    static QMdiArea* mdiArea();
    // A child window's frame geometry (pixels of the MDI area) made to fit the
    // area: no larger than its visible part, and moved left and up so that it
    // lies inside. Unchanged while the area has no size yet.
    static QRect fitIntoMdiArea(const QRect& frame);
    // The size of the MDI area's visible part (pixels); empty while there is
    // no area or it has no size yet.
    static QSize mdiAreaSize();
    // The window the user works in: the one shown or activated last (a
    // zero-size window never counts); null when it is gone.
    static VrnForm* workWindow();
    // The frame of a window in pixels of the MDI area's visible part (also
    // for a tool window that floats over it); null when it is not shown.
    static QRect frameInMdiArea(VrnForm* f);
    // Where a child frame of size `own` goes beside `source`: right of it
    // with the bottom edges aligned (overlapping it by `overlap` pixels), else
    // below it, else above it, else left of it. When none of these lies
    // inside the area, the place inside the area that covers none (or the
    // least) of the source's controls `keep`, then the least of the source,
    // nearest the bottom right.
    static QPoint besideInMdiArea(const QRect& source, QSize own, int overlap = 0, const std::vector<QRect>& keep = {});
    // The controls of a shown window (its widgets without child widgets:
    // fields, labels, buttons, drawings) in pixels of the MDI area's visible part.
    static std::vector<QRect> controlsInMdiArea(VrnForm* f);
    // A child frame wanted at `want` placed, at its size and inside the
    // area, so that it covers none of `controls` (rectangles in pixels of the
    // area): as wanted when it covers none; else the place that covers the
    // least of them (none where there is one), nearest the wanted place.
    // Unchanged when there is no area.
    static QRect keepControlsFree(const QRect& want, const std::vector<QRect>& controls);
    // Where a tool window of size `tool` and a child window `child` stand side
    // by side in an MDI area of size `area` (pixels of the area), `gap` apart,
    // the child at its size and both inside the area: the tool right of the
    // child, else left of it, its top at the child's (moved up as far as it
    // must to end inside the area). When neither side has room, the child
    // moves as little as makes room on one side; when no place of the child
    // does, the child goes to the left edge and the tool to the right edge.
    // Returns the top-left corners of the tool and the child.
    static std::pair<QPoint, QPoint> sideBySide(QSize tool, const QRect& child, QSize area, int gap = 4);
    // Places a shown tool window beside a shown child window so that neither
    // covers the other (sideBySide with the tool's frame); moves the child
    // when it must. Nothing happens while either is not shown.
    static void placeToolBeside(VrnForm* tool, VrnForm* child);
    // Owner of tool windows (the main window); may be null.
    static void setMainWindow(QWidget* w);
    static QWidget* mainWindow();

private:
    friend class VrnForm;
    static std::map<std::type_index, QPointer<VrnForm>>& registry();
};

template <class T>
bool IsFormLoaded() {
    return Forms::loaded<T>() != nullptr;
}
inline bool IsFormLoaded(const VrnForm* f) { return Forms::isLoaded(f); }

}  // namespace vrn
