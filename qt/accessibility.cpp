#include "qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "qt/die_widget.h"

namespace vocari {

namespace {

// A die: a checkable button whose name is its letter and points, checked while it is part of
// the word; its press action clicks it.
class DieAccessible : public QAccessibleWidget {
 public:
  explicit DieAccessible(DieWidget* die) : QAccessibleWidget(die, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const auto* d = static_cast<const DieWidget*>(widget());
    switch (t) {
      case QAccessible::Name:
        return d->accessibleName().isEmpty() ? d->spokenName() : d->accessibleName();
      case QAccessible::Description:
        return QStringLiteral("Riga %1, colonna %2").arg(d->position() / 6).arg(d->position() % 6);
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = static_cast<const DieWidget*>(widget())->framed();
    return s;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    auto* d = static_cast<DieWidget*>(widget());
    if (name == pressAction() && d->onClick) d->onClick(d->position());
  }
};

// The board: a group whose children are the dice, in the order they were created (reading
// order). Its extent is that of the dice, not of the transparent container that holds them.
class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::Grouping) {}

  QRect rect() const override {
    QRect r;
    for (int i = 0; i < childCount(); ++i) r |= child(i)->rect();
    return r.isValid() ? r : QAccessibleWidget::rect();
  }

  // While the board has the focus, the die under the keyboard cursor.
  QAccessibleInterface* focusChild() const override {
    for (int i = 0; i < childCount(); ++i)
      if (const auto* die = qobject_cast<const DieWidget*>(child(i)->object()); die && die->underCursor())
        return child(i);
    return QAccessibleWidget::focusChild();
  }
};

// LabErr and the end-of-game summary LabEsito: notifications whose name is exactly the text they
// show.
class MessageAccessible : public QAccessibleWidget {
 public:
  explicit MessageAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return widget()->accessibleName().isEmpty() ? static_cast<const QLabel*>(widget())->text()
                                                  : widget()->accessibleName();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* factory(const QString& key, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (key == QLatin1String(DieWidget::staticMetaObject.className()))
    return new DieAccessible(static_cast<DieWidget*>(object));
  if (key == QLatin1String("QWidget") && object->objectName() == QLatin1String(kBoardAccessibleName))
    return new BoardAccessible(static_cast<QWidget*>(object));
  if (key == QLatin1String("QLabel") &&
      (object->objectName() == QLatin1String("LabErr") || object->objectName() == QLatin1String("LabEsito")))
    return new MessageAccessible(static_cast<QLabel*>(object));
  return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

void announceLabelChange(QLabel* label) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
  if (iface && iface->role() == QAccessible::Notification && !label->text().isEmpty() && label->isVisible()) {
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
  }
}

}  // namespace vocari
