// The circle fills the indicator's square, its outline drawn inside it.
#include "shell/round_indicator.h"

#include <QPainter>

namespace gpsclock {

RoundIndicator::RoundIndicator(QWidget* parent) : QWidget(parent) {}

void RoundIndicator::SetFill(const QColor& fill) {
  if (fill == fill_) return;
  fill_ = fill;
  update();
}

void RoundIndicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill_);
  painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace gpsclock
