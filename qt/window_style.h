// The style of the main window's controls: the application's style, with two changes. The focus
// is always drawn where it is (the base style shows it only after a Tab, so a button that took
// the focus when another was disabled looked unfocused), a list box showing it by its frame too;
// and the metrics the style draws by itself (check box indicator, scroll bars) follow the
// window's scale, read from the widget's property kScaleProperty.
#pragma once

#include <QProxyStyle>

namespace vocari {

inline constexpr const char* kScaleProperty = "vocariScale";

class WindowStyle : public QProxyStyle {
 public:
  // The one instance, owned by the application.
  static WindowStyle* instance();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;

 private:
  WindowStyle();
};

}  // namespace vocari
