#include "platform/DataGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QStyledItemDelegate>

#include <algorithm>

#include "platform/GridText.h"
#include "platform/Paths.h"
#include "platform/Twips.h"

namespace vrn {

namespace {

constexpr int kOwnColourRole = Qt::UserRole + 1;
const QColor kFixedColour(212, 208, 200);  // the grey of fixed cells

// Qt key -> classic key code.
struct KeyCode {
    int qt;
    int classic;
};
constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Return, 13},  {Qt::Key_Enter, 13},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},  {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},   {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},   {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
};

// The in-cell editor: each typed character goes through the grid's
// onKeyPressEdit first.
class GridEditor : public QLineEdit {
public:
    GridEditor(DataGrid* grid, QWidget* parent) : QLineEdit(parent), grid_(grid) { setFrame(false); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->matches(QKeySequence::Paste)) {
            // A pasted number comes in as if typed: each character through
            // the cell's key handler; anything it refuses drops the paste.
            const QString t = QApplication::clipboard()->text().trimmed();
            QString keys;
            for (const QChar c : t) {
                int k = c.unicode();
                grid_->editorKey(k);
                if (k <= 0 || k > 0xFFFF) return;
                keys += QChar(static_cast<char16_t>(k));
            }
            insert(keys);
            return;
        }
        if (e->key() == Qt::Key_Backspace) {
            int k = 8;
            grid_->editorKey(k);
            if (k != 0) QLineEdit::keyPressEvent(e);
            return;
        }
        const QString t = e->text();
        const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && !t.isEmpty() && t.at(0).unicode() >= 32 && t.at(0).unicode() != 127) {
            int k = t.at(0).unicode();
            grid_->editorKey(k);
            if (k > 0 && k <= 0xFFFF) insert(QString(QChar(static_cast<char16_t>(k))));
            return;
        }
        QLineEdit::keyPressEvent(e);
    }

private:
    DataGrid* grid_;
};

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* e = new GridEditor(grid_, parent);
        e->setFont(grid_->font());
        grid_->editorOpened(index.row(), index.column(), e);
        return e;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        // The text is filled once; later calls (the view repeats them) would
        // overwrite what the user typed.
        auto* le = static_cast<QLineEdit*>(editor);
        if (le->property("filled").toBool()) return;
        le->setProperty("filled", true);
        le->setText(index.data(Qt::EditRole).toString());
        le->selectAll();
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
    }

private:
    DataGrid* grid_;
};

}  // namespace

DataGrid::DataGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new GridDelegate(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);  // a cell shows what fits, without "..."
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(4);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int, int, int, int) {
        if (redraw_ && onRowColChange) onRowColChange();
    });
    setGridFont(font().family(), font().pointSize());
}

// ---- layout ----

void DataGrid::setColumnCountWithWidths(int count) {
    const int old = columnCount();
    setColumnCount(std::max(0, count));
    for (int c = old; c < count; ++c) setColumnWidthTwips(c, 1500);
    restyleColumns();
}

void DataGrid::setColumnWidthTwips(int col, int twips) { setColumnWidth(col, twipsToPixelsX(twips)); }

int DataGrid::columnWidthTwips(int col) const { return pixelsToTwipsX(columnWidth(col)); }

void DataGrid::setFixedColumns(int n) {
    fixed_ = std::max(0, n);
    restyleColumns();
}

void DataGrid::setGridFont(const QString& family, int points) {
    QFont f(family, points);
    f.setStyleHint(QFont::TypeWriter);
    setFont(f);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
}

void DataGrid::setCheckBoxColumn(int col) {
    checkCol_ = col;
    restyleColumns();
}

void DataGrid::setEditable(bool editable) {
    editable_ = editable;
    restyleColumns();
}

// ---- cells ----

bool DataGrid::inside(int row, int col) const {
    return row >= 0 && col >= 0 && row < rowCount() && col < columnCount();
}

void DataGrid::styleCell(QTableWidgetItem* item, int col) {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && col >= fixed_ && col != checkCol_) f |= Qt::ItemIsEditable;
    item->setFlags(f);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QVariant own = item->data(kOwnColourRole);
    if (own.isValid()) item->setBackground(QColor(redOf(own.toInt()), greenOf(own.toInt()), blueOf(own.toInt())));
    else if (col < fixed_) item->setBackground(kFixedColour);
    else item->setData(Qt::BackgroundRole, QVariant());
    if (col == checkCol_) {
        if (!item->data(Qt::CheckStateRole).isValid()) item->setCheckState(Qt::Unchecked);
    } else {
        item->setData(Qt::CheckStateRole, QVariant());
    }
}

void DataGrid::restyleColumns() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c)) styleCell(it, c);
}

QTableWidgetItem* DataGrid::cell(int row, int col) {
    if (!inside(row, col)) return nullptr;
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        styleCell(it, col);
        setItem(row, col, it);
    }
    return it;
}

void DataGrid::clearRows() { setRowCount(0); }

void DataGrid::addRow(const QString& tabText) {
    const int r = rowCount();
    setRowCount(r + 1);
    const QStringList cells = tabText.split('\t');
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* it = cell(r, c);
        it->setText(c < cells.size() && c != checkCol_ ? cells.at(c) : QString());
    }
}

QString DataGrid::cellText(int row, int col) const {
    if (!inside(row, col)) return {};
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void DataGrid::setCellText(int row, int col, const QString& text) {
    if (QTableWidgetItem* it = cell(row, col)) it->setText(col == checkCol_ ? QString() : text);
}

void DataGrid::setCellBackColour(int row, int col, Colour c) {
    if (QTableWidgetItem* it = cell(row, col)) {
        it->setData(kOwnColourRole, static_cast<int>(c));
        styleCell(it, col);
    }
}

Colour DataGrid::cellBackColour(int row, int col) const {
    if (!inside(row, col)) return -1;
    const QTableWidgetItem* it = item(row, col);
    const QVariant v = it ? it->data(kOwnColourRole) : QVariant();
    return v.isValid() ? static_cast<Colour>(v.toInt()) : -1;
}

void DataGrid::setCellChecked(int row, int col, bool checked) {
    if (QTableWidgetItem* it = cell(row, col)) it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool DataGrid::isCellChecked(int row, int col) const {
    if (!inside(row, col)) return false;
    const QTableWidgetItem* it = item(row, col);
    return it && it->data(Qt::CheckStateRole).isValid() && it->checkState() == Qt::Checked;
}

// ---- current cell and selection ----

DataGrid::Rect DataGrid::selectionRect() const {
    const auto ranges = selectedRanges();
    if (ranges.isEmpty()) {
        if (currentRow() < 0 || currentColumn() < 0) return {};
        return {currentRow(), currentColumn(), currentRow(), currentColumn()};
    }
    Rect r{ranges.first().topRow(), ranges.first().leftColumn(), ranges.first().bottomRow(),
           ranges.first().rightColumn()};
    for (const QTableWidgetSelectionRange& s : ranges) {
        r.row1 = std::min(r.row1, s.topRow());
        r.col1 = std::min(r.col1, s.leftColumn());
        r.row2 = std::max(r.row2, s.bottomRow());
        r.col2 = std::max(r.col2, s.rightColumn());
    }
    return r;
}

void DataGrid::setSelectionRect(int row1, int col1, int row2, int col2) {
    if (!inside(row1, col1)) return;
    row2 = std::clamp(row2, 0, rowCount() - 1);
    col2 = std::clamp(col2, 0, columnCount() - 1);
    QItemSelectionModel* sm = selectionModel();
    sm->setCurrentIndex(model()->index(row1, col1), QItemSelectionModel::NoUpdate);
    const QItemSelection sel(model()->index(std::min(row1, row2), std::min(col1, col2)),
                             model()->index(std::max(row1, row2), std::max(col1, col2)));
    sm->select(sel, QItemSelectionModel::ClearAndSelect);
}

void DataGrid::setCurrentCell(int row, int col) {
    if (!inside(row, col)) return;
    const QModelIndex idx = model()->index(row, col);
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
}

void DataGrid::showCell(int row, int col) {
    if (inside(row, col)) scrollTo(model()->index(row, col));
}

// ---- block text ----

QString DataGrid::selectionText() const {
    const Rect r = selectionRect();
    if (r.row1 < 0) return {};
    BlockText rows;
    for (int i = r.row1; i <= r.row2; ++i) {
        std::vector<std::string> cells;
        for (int j = r.col1; j <= r.col2; ++j) cells.push_back(toStd(cellText(i, j)));
        rows.push_back(std::move(cells));
    }
    return toQ(joinBlockText(rows));
}

void DataGrid::setSelectionText(const QString& text) {
    const Rect r = selectionRect();
    if (r.row1 < 0) return;
    const BlockText rows = splitBlockText(toStd(text));
    for (std::size_t i = 0; i < rows.size() && r.row1 + static_cast<int>(i) <= r.row2; ++i)
        for (std::size_t j = 0; j < rows[i].size() && r.col1 + static_cast<int>(j) <= r.col2; ++j)
            setCellText(r.row1 + static_cast<int>(i), r.col1 + static_cast<int>(j), toQ(rows[i][j]));
}

// ---- updating ----

void DataGrid::setRedraw(bool on) {
    redraw_ = on;
    setUpdatesEnabled(on);
}

// ---- keys ----

int DataGrid::classicKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
    for (const KeyCode& k : kKeyCodes)
        if (k.qt == qtKey) return k.classic;
    return 0;
}

int DataGrid::shiftState(Qt::KeyboardModifiers m) {
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

void DataGrid::editorKey(int& key) {
    if (onKeyPressEdit && editRow_ >= 0) onKeyPressEdit(editRow_, editCol_, key);
}

void DataGrid::editorOpened(int row, int col, QLineEdit* editor) {
    editRow_ = row;
    editCol_ = col;
    editor_ = editor;
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    const int code = classicKeyCode(event->key());
    if (onKeyDown && redraw_ && code != 0) {
        int k = code;
        onKeyDown(k, shiftState(event->modifiers()));
        if (k == 0) {
            event->accept();
            return;
        }
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut) || event->key() == Qt::Key_Delete || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    const QString t = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && !t.isEmpty() && t.at(0).unicode() > 32 && t.at(0).unicode() != 127) {
        event->accept();
        const int r = currentRow(), c = currentColumn();
        QTableWidgetItem* it = inside(r, c) ? item(r, c) : nullptr;
        if (!it || !(it->flags() & Qt::ItemIsEditable)) return;
        int k = t.at(0).unicode();
        if (onKeyPressEdit) onKeyPressEdit(r, c, k);
        if (k <= 0 || k > 0xFFFF) return;
        // The editor opened by typing starts with the typed character.
        if (QAbstractItemView::edit(model()->index(r, c), EditKeyPressed, nullptr) && editor_) {
            editor_->setText(QString(QChar(static_cast<char16_t>(k))));
            editor_->end(false);
        }
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const int r = editRow_, c = editCol_;
    editRow_ = editCol_ = -1;
    // Tab and Backtab end the edit like Enter; the current cell stays.
    const bool revert = hint == QAbstractItemDelegate::RevertModelCache;
    QTableWidget::closeEditor(editor, revert ? hint : QAbstractItemDelegate::NoHint);
    if (!revert && r >= 0 && onKeyPressEdit) {
        int k = 13;
        onKeyPressEdit(r, c, k);
    }
}

// ---- mouse ----

void DataGrid::selectRows(int anchor, int row) {
    if (columnCount() == 0) return;
    setSelectionRect(anchor, std::min(fixed_, columnCount() - 1), row, columnCount() - 1);
}

void DataGrid::mousePressEvent(QMouseEvent* event) {
    const int button = event->button() == Qt::LeftButton    ? 1
                       : event->button() == Qt::RightButton ? 2
                       : event->button() == Qt::MiddleButton ? 4
                                                             : 0;
    const QPoint p = event->position().toPoint();
    if (onMouseDown) onMouseDown(button, shiftState(event->modifiers()), p.x(), p.y());
    if (button == 2) {
        event->accept();
        return;
    }
    const QModelIndex idx = indexAt(p);
    if (button == 1 && idx.isValid() && idx.column() < fixed_) {
        // A click in a fixed column marks the whole row; with Shift, the rows
        // from the current one.
        const bool extend = (event->modifiers() & Qt::ShiftModifier) && currentRow() >= 0;
        rowAnchor_ = extend ? currentRow() : idx.row();
        setFocus(Qt::MouseFocusReason);
        selectRows(rowAnchor_, idx.row());
        if (onCellPicked) onCellPicked();
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
    if (button == 1 && idx.isValid() && onCellPicked) onCellPicked();
}

void DataGrid::mouseMoveEvent(QMouseEvent* event) {
    if (rowAnchor_ >= 0 && (event->buttons() & Qt::LeftButton)) {
        const QModelIndex idx = indexAt(event->position().toPoint());
        if (idx.isValid()) selectRows(rowAnchor_, idx.row());
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

void DataGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (rowAnchor_ >= 0) {
        rowAnchor_ = -1;
        event->accept();
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

}  // namespace vrn
