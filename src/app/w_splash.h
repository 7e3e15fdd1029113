#pragma once
// The splash window of the start-up, reused as the version window: a borderless window
// with the product picture, name, version and a one-line description. As the version
// window it also shows its "閉じる" button.

#include <QWidget>

class QLabel;
class QPushButton;

namespace mirtote::app {

class WSplash : public QWidget {
  Q_OBJECT
 public:
  explicit WSplash(QWidget* parent = nullptr);

  // Shown without blocking, without the close button (start-up closes it).
  void ShowAsSplash();
  // Shown without blocking with the close button; again brings it forward.
  void ShowAsVersion();

  QPushButton* Command1() const { return command1_; }

 protected:
  // Escape closes the version window, as "閉じる" does; the splash stays its three seconds.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Command1_Click();

  QLabel* picture1_;
  QLabel* label2_;
  QLabel* label1_;
  QLabel* label4_;
  QPushButton* command1_;
};

}  // namespace mirtote::app
