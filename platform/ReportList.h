#pragma once
// A list in report view: columns of text, one icon per row, a single selected row that stays
// visible when the list loses the focus, full-row selection, clickable headers, and sorting
// by a comparison of our own (never the locale's).

#include <QAccessible>
#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QTreeWidget>

namespace platform {

class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(QWidget* parent = nullptr);

    void addColumn(const QString& title, int widthPixels);

    // The icon every row shows; a null icon shows none.
    void setRowIcon(const QIcon& icon);

    int rowCount() const { return topLevelItemCount(); }
    int insertRow(int index, const QStringList& texts);
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;
    void deleteRow(int row);

    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);
    void ensureRowVisible(int row);
    // Shows `rows` in place of the rows there, in their new order; the selection and the focus,
    // which need not be on the same row, stay with the rows whose first cell they were on.
    void reorderRows(const QList<QStringList>& rows);

    // The row as the list draws it, on a transparent ground, clipped to the visible width;
    // `bounds` gets its place in the list's own coordinates. Null when there is no such row.
    QPixmap rowPicture(int row, QRect* bounds) const;

    // The row as a screen reader reads it, all its cells in a line.
    QString spokenRow(int row) const;

    // True for the list itself and anything inside it except its column header.
    bool isListSurface(const QWidget* widget) const;

signals:
    void columnClicked(int column);
    void rowDoubleClicked();
    // The left button went down on a row and the mouse moved away with it; `pressPos` is where
    // the button went down, in the list's own coordinates.
    void dragStarted(QPoint pressPos);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // A cell as a screen reader reads it: each after the first with its column's title.
    QString spokenCell(const QTreeWidgetItem* item, int column) const;
    // Gives every cell of the row its spoken text.
    void describeRow(QTreeWidgetItem* item);
    // Tells a screen reader of the row with the keyboard, of a new row, of a row going.
    void announceRow(int row, QAccessible::Event event);

    QIcon rowIcon_;
    QPoint pressPos_;
    bool pressedOnRow_ = false;
    bool dragStarted_ = false;
};

} // namespace platform
