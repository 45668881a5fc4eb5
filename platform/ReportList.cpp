#include "platform/ReportList.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QAccessibleInterface>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace platform {

ReportList::ReportList(QWidget* parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(16, 16));
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // The selected row stays marked when the focus is elsewhere.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);

    connect(header(), &QHeaderView::sectionClicked, this, &ReportList::columnClicked);
    viewport()->installEventFilter(this);
}

bool ReportList::event(QEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (event->type() != QEvent::Paint || ratio == std::floor(ratio))
        return QTreeWidget::event(event);
    // At a fractional scale the list may begin and end halfway into a device pixel, where its
    // frame's lines fall between pixels or under the header, rows and scroll bars, which round
    // outward. The frame is drawn in device pixels instead, on the outermost ones that are the
    // list's alone.
    QPainter painter(this);
    const QRectF area = painter.deviceTransform().mapRect(QRectF(rect()));
    painter.setWorldTransform(painter.deviceTransform().inverted());
    QStyleOptionFrame option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(int(std::ceil(area.left())), int(std::ceil(area.top()))),
                        QPoint(int(std::floor(area.right())) - 1, int(std::floor(area.bottom())) - 1));
    style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
    return true;
}

void ReportList::addColumn(const QString& title, int widthPixels)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    QTreeWidgetItem* head = headerItem();
    head->setText(column, title);
    head->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
    header()->setSectionResizeMode(column, QHeaderView::Interactive);
    setColumnWidth(column, widthPixels);
}

void ReportList::setRowIcon(const QIcon& icon)
{
    rowIcon_ = icon;
    for (int row = 0; row < rowCount(); ++row)
        topLevelItem(row)->setIcon(0, icon);
}

int ReportList::insertRow(int index, const QStringList& texts)
{
    index = std::clamp(index, 0, rowCount());
    auto* item = new QTreeWidgetItem(texts);
    // A column too narrow for its text cuts it; the whole text stays at hand under the mouse.
    for (int column = 0; column < texts.size(); ++column)
        item->setToolTip(column, texts[column]);
    if (!rowIcon_.isNull())
        item->setIcon(0, rowIcon_);
    insertTopLevelItem(index, item);
    describeRow(item);
    announceRow(index, QAccessible::ObjectCreated);
    return index;
}

void ReportList::setCellText(int row, int column, const QString& text)
{
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        item->setText(column, text);
        item->setToolTip(column, text);
        describeRow(item);
    }
}

QString ReportList::cellText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

void ReportList::deleteRow(int row)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    // The selection goes with its row; Qt would pass it on to the row below.
    const bool wasSelected = item->isSelected();
    announceRow(row, QAccessible::ObjectDestroyed);
    delete takeTopLevelItem(row);
    if (wasSelected)
        selectionModel()->clear();
}

int ReportList::selectedRow() const
{
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : indexOfTopLevelItem(items.first());
}

void ReportList::selectRow(int row)
{
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
    }
}

void ReportList::ensureRowVisible(int row)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        scrollToItem(item, QAbstractItemView::EnsureVisible);
}

void ReportList::reorderRows(const QList<QStringList>& rows)
{
    const QString selected = cellText(selectedRow(), 0);
    const QString focused = cellText(currentIndex().row(), 0);
    clearSelection();
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column)
            setCellText(row, column, rows[row][column]);
        const QModelIndex index = model()->index(row, 0);
        if (rows[row].value(0) == focused)
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        if (rows[row].value(0) == selected)
            selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QPixmap ReportList::rowPicture(int row, QRect* bounds) const
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return {};
    QRect rect = visualItemRect(item);
    rect.setLeft(std::max(rect.left(), 0));
    rect.setRight(std::min(rect.right(), viewport()->width() - 1));
    if (rect.isEmpty())
        return {};

    const qreal ratio = devicePixelRatioF();
    QPixmap picture(rect.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(-rect.topLeft());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    // Icon and texts only: no selection ground, so what the row leaves undrawn stays clear.
    option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    for (int column = 0; column < columnCount(); ++column) {
        const QModelIndex index = indexFromItem(item, column);
        option.rect = visualRect(index);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
    painter.end();
    if (bounds)
        *bounds = QRect(viewport()->mapTo(this, rect.topLeft()), rect.size());
    return picture;
}

QString ReportList::spokenCell(const QTreeWidgetItem* item, int column) const
{
    const QString title = column > 0 ? headerItem()->text(column) : QString();
    const QString text = item->text(column);
    return title.isEmpty() || text.isEmpty() ? text : title + QLatin1Char(' ') + text;
}

void ReportList::describeRow(QTreeWidgetItem* item)
{
    for (int column = 1; column < columnCount(); ++column)
        item->setData(column, Qt::AccessibleTextRole, spokenCell(item, column));
}

QString ReportList::spokenRow(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return QString();
    QStringList cells{item->text(0)};
    for (int column = 1; column < columnCount(); ++column) {
        if (const QString cell = spokenCell(item, column); !cell.isEmpty())
            cells << cell;
    }
    return cells.join(QLatin1Char(' '));
}

void ReportList::announceRow(int row, QAccessible::Event event)
{
    if (!QAccessible::isActive())
        return;
    // The tree finds its cells through its laid-out rows, which a change lays out only later.
    executeDelayedItemsLayout();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    if (QAccessibleInterface* cell = table ? table->cellAt(row, 0) : nullptr) {
        QAccessibleEvent said(cell, event);
        QAccessible::updateAccessibility(&said);
    }
}

void ReportList::focusInEvent(QFocusEvent* event)
{
    // The keyboard starts on a row: the selected one, or else the first.
    if (!currentIndex().isValid() && rowCount() > 0)
        selectionModel()->setCurrentIndex(model()->index(std::max(selectedRow(), 0), 0), QItemSelectionModel::NoUpdate);
    QTreeWidget::focusInEvent(event);
    // A screen reader hears of the list taking the focus after this; the row must come last.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && currentIndex().isValid())
            announceRow(currentIndex().row(), QAccessible::Focus);
    });
}

bool ReportList::isListSurface(const QWidget* widget) const
{
    if (!widget)
        return false;
    if (widget == header() || header()->isAncestorOf(widget))
        return false;
    return widget == this || isAncestorOf(widget);
}

bool ReportList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != viewport())
        return QTreeWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            pressPos_ = viewport()->mapTo(this, mouse->position().toPoint());
            pressedOnRow_ = itemAt(mouse->position().toPoint()) != nullptr;
            dragStarted_ = false;
        }
        break;
    }
    case QEvent::MouseMove: {
        // The release that ends a drag goes to the window that took the mouse, not here: only
        // the button still being down tells that this press is going on.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressedOnRow_ && (mouse->buttons() & Qt::LeftButton)) {
            const QPoint here = viewport()->mapTo(this, mouse->position().toPoint());
            if (!dragStarted_ && (here - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
                dragStarted_ = true;
                emit dragStarted(pressPos_);
            }
            // Moving with the button down never drags the selection to another row.
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        pressedOnRow_ = false;
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            emit rowDoubleClicked();
            return true;
        }
        break;
    default:
        break;
    }
    return QTreeWidget::eventFilter(watched, event);
}

} // namespace platform
