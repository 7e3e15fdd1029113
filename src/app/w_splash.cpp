#include "app/w_splash.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/splash_artwork.h"

namespace mirtote::app {

namespace {

constexpr QSize kPictureSize(320, 200);

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

WSplash::WSplash(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      picture1_(MakeLabel(this, QStringLiteral("Picture1"), QString())),
      label2_(MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("MIR_TOTE"))),
      label1_(MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Version.2.00"))),
      label4_(MakeLabel(this, QStringLiteral("Label4"),
                        QStringLiteral("KORVAN Odds Format to Odds Data File"))),
      command1_(new QPushButton(QStringLiteral("閉じる"), this)) {
  setObjectName(QStringLiteral("WSplash"));
  setAttribute(Qt::WA_DeleteOnClose);
  // A plain frame drawn by the window itself, since it has no border of the system's.
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(QStringLiteral("#WSplash { background: #fbfaf6; border: 1px solid #5f6b73; }"));

  picture1_->setPixmap(PaintSplashArtwork(kPictureSize));
  picture1_->setFixedSize(kPictureSize);
  picture1_->setFrameShape(QFrame::Box);

  QFont name_font = label2_->font();
  name_font.setPointSize(26);
  name_font.setBold(true);
  label2_->setFont(name_font);
  label2_->setStyleSheet(QStringLiteral("color: #1b5e20;"));
  QFont version_font = label1_->font();
  version_font.setPointSize(12);
  label1_->setFont(version_font);

  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setVisible(false);
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });

  auto* text_column = new QVBoxLayout;
  text_column->addStretch(1);
  text_column->addWidget(label2_);
  text_column->addWidget(label1_);
  text_column->addSpacing(12);
  text_column->addWidget(label4_);
  text_column->addStretch(2);
  text_column->addWidget(command1_, 0, Qt::AlignRight);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 14);
  layout->setSpacing(16);
  layout->addWidget(picture1_);
  layout->addLayout(text_column);
  setFixedSize(sizeHint().expandedTo(QSize(600, kPictureSize.height() + 28)));
}

void WSplash::ShowAsSplash() {
  command1_->setVisible(false);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = rect();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
}

void WSplash::ShowAsVersion() {
  command1_->setVisible(true);
  if (!isVisible()) {
    const QWidget* owner = parentWidget();
    const QRect area = owner && owner->isVisible() ? owner->frameGeometry()
                       : QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : QRect();
    QRect frame = rect();
    frame.moveCenter(area.center());
    move(frame.topLeft());
  }
  show();
  raise();
  activateWindow();
}

void WSplash::Command1_Click() {
  close();
}

void WSplash::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && command1_->isVisible()) {
    Command1_Click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace mirtote::app
