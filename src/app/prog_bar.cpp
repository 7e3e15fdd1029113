#include "app/prog_bar.h"

#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/window_frame.h"

namespace mirtote::app {

namespace {

constexpr int kMinimumWidth = 360;
constexpr int kHeight = 52;

}  // namespace

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
  setFixedSize(kMinimumWidth, kHeight);
}

void ProgBar::SetCaption(const QString& caption) {
  setWindowTitle(caption);
  // Wide enough for the caption to show whole in the title bar.
  setFixedSize(std::max(kMinimumWidth, TitleFitWidth(caption)), kHeight);
}

}  // namespace mirtote::app
