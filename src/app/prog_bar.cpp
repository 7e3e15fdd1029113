#include "app/prog_bar.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace mirtote::app {

ProgBar::ProgBar(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      progress_bar1_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("ProgBar"));
  progress_bar1_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_bar1_->setRange(0, 100);
  progress_bar1_->setValue(0);
  progress_bar1_->setTextVisible(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(progress_bar1_);
  setFixedSize(360, 52);
}

}  // namespace mirtote::app
