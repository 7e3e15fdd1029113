#pragma once
// The shared progress window of the long conversions: a small fixed tool window with one
// progress bar. It has no behaviour of its own; the running conversion sets its caption and
// range, moves the bar and closes it.

#include <QWidget>

class QProgressBar;

namespace mirtote::app {

class ProgBar : public QWidget {
  Q_OBJECT
 public:
  explicit ProgBar(QWidget* parent = nullptr);

  // Sets the caption and widens the window so that the caption is not cut.
  void SetCaption(const QString& caption);

  QProgressBar* ProgressBar1() const { return progress_bar1_; }

 private:
  QProgressBar* progress_bar1_;
};

}  // namespace mirtote::app
