#include "qt/window_style.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace vocari {

namespace {

// Marks a focused control's option as reached by the keyboard for the length of one drawing:
// the base style then draws its focus indication. The options are the caller's own temporaries.
class KeyboardFocus {
 public:
  KeyboardFocus(const QStyleOption* option, bool always = false)
      : option_(const_cast<QStyleOption*>(option)), saved_(option ? option->state : QStyle::State()) {
    if (option_ && (always || (option_->state & QStyle::State_HasFocus)))
      option_->state |= QStyle::State_KeyboardFocusChange;
  }
  ~KeyboardFocus() {
    if (option_) option_->state = saved_;
  }
  KeyboardFocus(const KeyboardFocus&) = delete;
  KeyboardFocus& operator=(const KeyboardFocus&) = delete;

 private:
  QStyleOption* option_;
  QStyle::State saved_;
};

}  // namespace

WindowStyle::WindowStyle() = default;

WindowStyle* WindowStyle::instance() {
  static WindowStyle* style = [] {
    auto* s = new WindowStyle;
    s->setParent(qApp);
    return s;
  }();
  return style;
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
  const KeyboardFocus focus(option, element == PE_FrameFocusRect);
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  // A list box has no focus frame of its own in every style: its border takes the highlight.
  if (element == PE_Frame && option && qobject_cast<const QAbstractItemView*>(widget) && widget->hasFocus()) {
    painter->save();
    const qreal width = 2;
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), width));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    painter->restore();
  }
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  const KeyboardFocus focus(option);
  QProxyStyle::drawControl(element, option, painter, widget);
  // A button's outline alone is easy to miss: a dotted frame inside it as well.
  if (element == CE_PushButton && option && (option->state & State_HasFocus)) {
    painter->save();
    QPen pen(option->palette.color(QPalette::Highlight), 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int inset = qMax(3, option->rect.height() / 8);
    painter->drawRect(QRectF(option->rect).adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5));
    painter->restore();
  }
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
  const KeyboardFocus focus(option);
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  const int base = QProxyStyle::pixelMetric(metric, option, widget);
  const qreal scale = widget ? widget->property(kScaleProperty).toReal() : 0;
  if (scale <= 0) return base;
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ScrollBarExtent:
    case PM_CheckBoxLabelSpacing:
      return qRound(base * scale);
    default:
      return base;
  }
}

}  // namespace vocari
