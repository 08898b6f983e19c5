#include "qt/list_box_widget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace vocari {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The keyboard moves the selection as the mouse does.
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (onSelect && row >= 0) onSelect(row);
  });
}

void ListBoxWidget::setEntries(const std::vector<std::string>& entries) {
  if (entries == entries_) return;
  const QSignalBlocker blocker(this);
  if (entries.size() == entries_.size() + 1) {
    std::size_t at = 0;
    while (at < entries_.size() && entries_[at] == entries[at]) ++at;
    if (std::equal(entries_.begin() + at, entries_.end(), entries.begin() + at + 1)) {
      insertItem(int(at), QString::fromStdString(entries[at]));
      entries_ = entries;
      if (concealed_) reveal(int(at), int(at) + 1, false);
      newest_ = int(at);
      scrollToItem(item(newest_));
      return;
    }
  }
  clear();
  QStringList items;
  items.reserve(int(entries.size()));
  for (const auto& e : entries) items << QString::fromStdString(e);
  addItems(items);
  entries_ = entries;
  newest_ = -1;
  if (concealed_) reveal(0, count(), false);
}

void ListBoxWidget::setVisible(bool visible) {
  if (visible == !concealed_) {
    QListWidget::setVisible(visible);
    return;
  }
  // The rows get their text back before the list is seen, and lose it once it is out of sight.
  concealed_ = !visible;
  if (visible) reveal(0, count(), true);
  QListWidget::setVisible(visible);
  if (!visible) reveal(0, count(), false);
  if (!QAccessible::isActive()) return;
  for (int row = 0; row < count(); ++row) {
    QAccessibleEvent shown(this, visible ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    shown.setChild(row);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    named.setChild(row);
    QAccessible::updateAccessibility(&named);
  }
}

// A hidden row has no rectangle, so its accessible reports itself as not showing.
void ListBoxWidget::reveal(int from, int to, bool shown) {
  const QSignalBlocker blocker(this);
  for (int row = from; row < to; ++row) {
    item(row)->setText(shown ? QString::fromStdString(entries_[std::size_t(row)]) : QString());
    setRowHidden(row, !shown);
  }
}

void ListBoxWidget::setMarks(const std::vector<bool>& marks) {
  static const QColor kMarkedText(0, 100, 0), kMarkedBack(200, 240, 190);
  for (int row = 0; row < count(); ++row) {
    const bool marked = std::size_t(row) < marks.size() && marks[std::size_t(row)];
    if (marked == isMarked(row)) continue;
    QListWidgetItem* entry = item(row);
    entry->setData(Qt::ForegroundRole, marked ? QVariant(kMarkedText) : QVariant());
    entry->setData(Qt::BackgroundRole, marked ? QVariant(kMarkedBack) : QVariant());
    entry->setData(Qt::AccessibleDescriptionRole, marked ? QVariant(QString(kMarkedDescription)) : QVariant());
  }
}

// An entry is marked exactly when it carries the description screen readers hear.
bool ListBoxWidget::isMarked(int row) const {
  return row >= 0 && row < count() && item(row)->data(Qt::AccessibleDescriptionRole).isValid();
}

void ListBoxWidget::setSelectedRow(int row) {
  if (row == currentRow() && (row < 0 || item(row)->isSelected())) return;
  const QSignalBlocker blocker(this);
  if (row >= 0 && row < count()) {
    setCurrentRow(row);
  } else {
    clearSelection();
    setCurrentRow(-1);
  }
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event) {
  const QModelIndex under = indexAt(event->position().toPoint());
  if (under.isValid() && onSelect) onSelect(under.row());
  {
    // The press selects the entry in the model above; the view's own change is not reported again.
    const QSignalBlocker blocker(this);
    QListWidget::mousePressEvent(event);
  }
  if (onPress) onPress();
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before && currentRow() >= 0 && onKeyMove) onKeyMove();
}

void ListBoxWidget::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  // Another window taking the keyboard (a menu, a dialog) leaves the list where it is.
  if (onFocusOut && event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) onFocusOut();
}

void ListBoxWidget::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  if (newest_ >= 0 && newest_ < count()) scrollToItem(item(newest_));
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (onRelease) onRelease();
}

}  // namespace vocari
