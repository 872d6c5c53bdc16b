#include "platform/DataGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstdint>

#include "platform/ColourFont.h"
#include "platform/GridText.h"
#include "platform/Paths.h"
#include "platform/Twips.h"

namespace vrn {

namespace {

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

// The cells behind the view and how they show: the leading fixed columns,
// the check-box column, whether cells may be edited and whether changes are
// drawn. A row holds its cells once they are loaded (from addRow, or from the
// row function when the row is first needed), its own back colours and its
// check mark.
class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int r = index.row(), c = index.column();
        switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return c == checkCol_ ? QVariant() : QVariant(text(r, c));
            case Qt::BackgroundRole: {
                const Colour own = colour(r, c);
                if (own >= 0) return QBrush(toQColor(own));
                if (c < fixed_) return QBrush(kFixedColour);
                return {};
            }
            case Qt::CheckStateRole:
                if (c != checkCol_) return {};
                return static_cast<int>(rows_[static_cast<std::size_t>(r)].checked ? Qt::Checked : Qt::Unchecked);
            case Qt::TextAlignmentRole:
                return QVariant(static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter));
            default:
                return {};
        }
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole) return false;
        setText(index.row(), index.column(), value.toString());
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (editableCell(index.row(), index.column())) f |= Qt::ItemIsEditable;
        return f;
    }

    int fixedColumns() const { return fixed_; }
    void setFixedColumns(int n) {
        fixed_ = std::max(0, n);
        allChanged();
    }
    int checkColumn() const { return checkCol_; }
    void setCheckColumn(int c) {
        checkCol_ = c;
        allChanged();
    }
    bool editable() const { return editable_; }
    void setEditable(bool on) {
        editable_ = on;
        allChanged();
    }
    // While off, changed cells raise no dataChanged.
    bool redraw() const { return redraw_; }
    void setRedraw(bool on) { redraw_ = on; }

    bool inside(int r, int c) const { return r >= 0 && c >= 0 && r < rowCount() && c < cols_; }
    // Editable, inside, not fixed and not the check-box column.
    bool editableCell(int r, int c) const { return editable_ && inside(r, c) && c >= fixed_ && c != checkCol_; }

    void setColumns(int n) {
        n = std::max(0, n);
        if (n > cols_) {
            beginInsertColumns({}, cols_, n - 1);
            cols_ = n;
            endInsertColumns();
        } else if (n < cols_) {
            beginRemoveColumns({}, n, cols_ - 1);
            cols_ = n;
            for (Row& row : rows_)
                if (row.cells.size() > n) row.cells.resize(n);
            endRemoveColumns();
        }
    }

    void clear() {
        if (rows_.empty()) {
            source_ = nullptr;
            return;
        }
        beginRemoveRows({}, 0, static_cast<int>(rows_.size()) - 1);
        rows_.clear();
        rows_.shrink_to_fit();
        source_ = nullptr;
        endRemoveRows();
    }

    void append(const QString& tabText) {
        const int r = static_cast<int>(rows_.size());
        beginInsertRows({}, r, r);
        Row row;
        row.cells = cellsOf(tabText);
        row.loaded = true;
        rows_.push_back(std::move(row));
        endInsertRows();
    }

    void setRows(int count, DataGrid::RowText rowText) {
        clear();
        count = std::max(0, count);
        if (count == 0) return;
        beginInsertRows({}, 0, count - 1);
        source_ = std::move(rowText);
        rows_.resize(static_cast<std::size_t>(count));
        endInsertRows();
    }

    QString text(int r, int c) const {
        const Row& row = load(r);
        return c < row.cells.size() ? row.cells.at(c) : QString();
    }
    void setText(int r, int c, const QString& t) {
        Row& row = load(r);
        if (row.cells.size() < cols_) row.cells.resize(cols_);
        row.cells[c] = c == checkCol_ ? QString() : t;
        changed(r, c);
    }
    Colour colour(int r, int c) const {
        for (const auto& [col, colour] : rows_[static_cast<std::size_t>(r)].colours)
            if (col == c) return colour;
        return -1;
    }
    void setColour(int r, int c, Colour colour) {
        auto& list = rows_[static_cast<std::size_t>(r)].colours;
        auto it = std::find_if(list.begin(), list.end(), [c](const auto& e) { return e.first == c; });
        if (it != list.end()) it->second = colour;
        else list.emplace_back(static_cast<std::int16_t>(c), colour);
        changed(r, c);
    }
    bool checked(int r) const { return rows_[static_cast<std::size_t>(r)].checked; }
    void setChecked(int r, bool on) {
        rows_[static_cast<std::size_t>(r)].checked = on;
        if (checkCol_ >= 0) changed(r, checkCol_);
    }
    // Everything may look different (columns restyled, redraw back on).
    void allChanged() {
        if (!rows_.empty() && cols_ > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, cols_ - 1));
    }

private:
    struct Row {
        QStringList cells;
        std::vector<std::pair<std::int16_t, Colour>> colours;
        bool loaded = false;
        bool checked = false;
    };

    QStringList cellsOf(const QString& tabText) const {
        QStringList cells = tabText.split('\t');
        if (cells.size() > cols_) cells.resize(cols_);
        if (checkCol_ >= 0 && checkCol_ < cells.size()) cells[checkCol_].clear();
        return cells;
    }
    Row& load(int r) const {
        Row& row = rows_[static_cast<std::size_t>(r)];
        if (!row.loaded) {
            row.loaded = true;
            if (source_) row.cells = cellsOf(source_(r));
        }
        return row;
    }
    void changed(int r, int c) {
        if (redraw_) emit dataChanged(index(r, c), index(r, c));
    }

    int cols_ = 0;
    int fixed_ = 0;
    int checkCol_ = -1;
    bool editable_ = true;
    bool redraw_ = true;
    mutable std::vector<Row> rows_;
    DataGrid::RowText source_;
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setModel(model_);
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
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex&, const QModelIndex&) {
        if (model_->redraw() && onRowColChange) onRowColChange();
    });
    setGridFont(font().family(), font().pointSize());
}

DataGrid::~DataGrid() = default;

// ---- layout ----

void DataGrid::setColumnCountWithWidths(int count) {
    const int old = columnCount();
    model_->setColumns(count);
    for (int c = old; c < count; ++c) setColumnWidthTwips(c, 1500);
}

void DataGrid::setColumnWidthTwips(int col, int twips) { setColumnWidth(col, twipsToPixelsX(twips)); }

void DataGrid::setFixedColumns(int n) { model_->setFixedColumns(n); }
int DataGrid::fixedColumns() const { return model_->fixedColumns(); }

void DataGrid::setGridFont(const QString& family, int points) {
    QFont f(family, points);
    f.setStyleHint(QFont::TypeWriter);
    setFont(f);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
}

void DataGrid::setCheckBoxColumn(int col) { model_->setCheckColumn(col); }
int DataGrid::checkBoxColumn() const { return model_->checkColumn(); }

void DataGrid::setEditable(bool editable) { model_->setEditable(editable); }
bool DataGrid::isEditable() const { return model_->editable(); }

// ---- cells ----

int DataGrid::rowCount() const { return model_->rowCount(); }
int DataGrid::columnCount() const { return model_->columnCount(); }

bool DataGrid::inside(int row, int col) const { return model_->inside(row, col); }

void DataGrid::clearRows() { model_->clear(); }

void DataGrid::addRow(const QString& tabText) { model_->append(tabText); }

void DataGrid::setRows(int count, RowText rowText) { model_->setRows(count, std::move(rowText)); }

QString DataGrid::cellText(int row, int col) const {
    if (!inside(row, col) || col == checkBoxColumn()) return {};
    return model_->text(row, col);
}

void DataGrid::setSpaltenFeld(int col, Zahlfeld feld) { spaltenFelder_[col] = std::move(feld); }

const Zahlfeld& DataGrid::spaltenFeld(int col) const {
    static const Zahlfeld kein;
    const auto it = spaltenFelder_.find(col);
    return it == spaltenFelder_.end() ? kein : it->second;
}

void DataGrid::setCellText(int row, int col, const QString& text) {
    if (inside(row, col)) model_->setText(row, col, text);
}

void DataGrid::setCellBackColour(int row, int col, Colour c) {
    if (inside(row, col)) model_->setColour(row, col, c);
}

Colour DataGrid::cellBackColour(int row, int col) const { return inside(row, col) ? model_->colour(row, col) : -1; }

void DataGrid::setCellChecked(int row, int col, bool checked) {
    if (inside(row, col) && col == checkBoxColumn()) model_->setChecked(row, checked);
}

bool DataGrid::isCellChecked(int row, int col) const {
    return inside(row, col) && col == checkBoxColumn() && model_->checked(row);
}

// ---- current cell and selection ----

int DataGrid::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }
int DataGrid::currentColumn() const { return currentIndex().isValid() ? currentIndex().column() : -1; }

void DataGrid::setCurrentCell(int row, int col) {
    if (!inside(row, col)) return;
    selectionModel()->setCurrentIndex(model_->index(row, col), QItemSelectionModel::ClearAndSelect);
}

QRect DataGrid::cellRect(int row, int col) const {
    return inside(row, col) ? visualRect(model_->index(row, col)) : QRect();
}

DataGrid::Rect DataGrid::selectionRect() const {
    const QItemSelection sel = selectionModel()->selection();
    if (sel.isEmpty()) {
        if (currentRow() < 0 || currentColumn() < 0) return {};
        return {currentRow(), currentColumn(), currentRow(), currentColumn()};
    }
    Rect r{sel.first().top(), sel.first().left(), sel.first().bottom(), sel.first().right()};
    for (const QItemSelectionRange& s : sel) {
        r.row1 = std::min(r.row1, s.top());
        r.col1 = std::min(r.col1, s.left());
        r.row2 = std::max(r.row2, s.bottom());
        r.col2 = std::max(r.col2, s.right());
    }
    return r;
}

void DataGrid::setSelectionRect(int row1, int col1, int row2, int col2) {
    if (!inside(row1, col1)) return;
    row2 = std::clamp(row2, 0, rowCount() - 1);
    col2 = std::clamp(col2, 0, columnCount() - 1);
    QItemSelectionModel* sm = selectionModel();
    sm->setCurrentIndex(model_->index(row1, col1), QItemSelectionModel::NoUpdate);
    const QItemSelection sel(model_->index(std::min(row1, row2), std::min(col1, col2)),
                             model_->index(std::max(row1, row2), std::max(col1, col2)));
    sm->select(sel, QItemSelectionModel::ClearAndSelect);
}

void DataGrid::showCell(int row, int col) {
    if (inside(row, col)) scrollTo(model_->index(row, col));
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
    const bool was = model_->redraw();
    model_->setRedraw(on);
    setUpdatesEnabled(on);
    if (on && !was) viewport()->update();
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
    if (onKeyDown && model_->redraw() && code != 0) {
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
        if (!model_->editableCell(r, c)) return;
        int k = t.at(0).unicode();
        if (onKeyPressEdit) onKeyPressEdit(r, c, k);
        if (k <= 0 || k > 0xFFFF) return;
        // The editor opened by typing starts with the typed character.
        if (QAbstractItemView::edit(model_->index(r, c), EditKeyPressed, nullptr) && editor_) {
            editor_->setText(QString(QChar(static_cast<char16_t>(k))));
            editor_->end(false);
        }
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const int r = editRow_, c = editCol_;
    editRow_ = editCol_ = -1;
    // Tab and Backtab end the edit like Enter; the current cell stays.
    const bool revert = hint == QAbstractItemDelegate::RevertModelCache;
    QTableView::closeEditor(editor, revert ? hint : QAbstractItemDelegate::NoHint);
    if (!revert && r >= 0 && onKeyPressEdit) {
        int k = 13;
        onKeyPressEdit(r, c, k);
    }
}

// ---- mouse ----

void DataGrid::selectRows(int anchor, int row) {
    if (columnCount() == 0) return;
    setSelectionRect(anchor, std::min(fixedColumns(), columnCount() - 1), row, columnCount() - 1);
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
    if (button == 1 && idx.isValid() && idx.column() < fixedColumns()) {
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
    QTableView::mousePressEvent(event);
    if (button == 1 && idx.isValid() && onCellPicked) onCellPicked();
}

void DataGrid::mouseMoveEvent(QMouseEvent* event) {
    if (rowAnchor_ >= 0 && (event->buttons() & Qt::LeftButton)) {
        const QModelIndex idx = indexAt(event->position().toPoint());
        if (idx.isValid()) selectRows(rowAnchor_, idx.row());
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void DataGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (rowAnchor_ >= 0) {
        rowAnchor_ = -1;
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

}  // namespace vrn
