// A round indicator: a filled circle in a black outline.
#pragma once

#include <QColor>
#include <QWidget>

namespace gpsclock {

class RoundIndicator : public QWidget {
  Q_OBJECT

 public:
  explicit RoundIndicator(QWidget* parent);
  QColor Fill() const { return fill_; }
  void SetFill(const QColor& fill);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

}  // namespace gpsclock
