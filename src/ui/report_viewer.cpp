#include "ui/report_viewer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/viewer_texts.h"
#include "ui/qt_support.h"
#include "ui/report_text_box.h"

namespace mirtote::ui {

ReportViewer::ReportViewer(const Session& session, std::function<void()> confirm_exit,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), confirm_exit_(std::move(confirm_exit)) {
  setAttribute(Qt::WA_DeleteOnClose);
}

void ReportViewer::SetSizeTwips(int width_twips, int height_twips) {
  resize(TwipsToPixels(width_twips, height_twips));
}

void ReportViewer::Command3_Click() {
  close();
}

void ReportViewer::Command4_Click() {
  // A copy: ending the program may delete this window while the confirmation runs.
  std::function<void()> confirm_exit = confirm_exit_;
  if (confirm_exit) confirm_exit();
}

QLayout* ReportViewer::MakeButtonRow(const std::array<std::string_view, 4>& captions) {
  static constexpr std::array<const char*, 4> kNames = {"Command1", "Command2", "Command3",
                                                        "Command4"};
  auto* row = new QHBoxLayout;
  std::array<QPushButton*, 4> buttons{};
  for (size_t i = 0; i < buttons.size(); ++i) {
    buttons[i] = MakeButton(this, kNames[i], captions[i]);
    row->addWidget(buttons[i]);
  }
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(buttons[3], &QPushButton::clicked, this, [this] { Command4_Click(); });
  return row;
}

SingleReportViewer::SingleReportViewer(const Session& session, std::function<void()> confirm_exit,
                                       QWidget* parent, std::string_view caption,
                                       const std::array<std::string_view, 4>& buttons)
    : ReportViewer(session, std::move(confirm_exit), parent), text1_(new ReportTextBox(this)) {
  setWindowTitle(ToQString(caption));
  text1_->setObjectName(QStringLiteral("Text1"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text1_, 1);
  layout->addLayout(MakeButtonRow(buttons));
}

void SingleReportViewer::SetText(std::string_view utf8) {
  text1_->SetReportText(utf8);
}

std::string SingleReportViewer::Text() const {
  return text1_->ReportText();
}

void SingleReportViewer::Command2_Click() {
  CopyReportText(session().host, Text(), kShownResultCopied);
}

}  // namespace mirtote::ui
