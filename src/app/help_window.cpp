#include "app/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "text/files.h"
#include "ui/qt_support.h"

namespace mirtote::app {

using ui::ToQString;

namespace fs = std::filesystem;

namespace {

// The section every help request without a more precise keyword opens.
constexpr std::string_view kContentsKeyword = "目次";

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), help_text_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("MIR_TOTE ヘルプ"));
  help_text_->setObjectName(QStringLiteral("HelpText"));
  help_text_->setOpenLinks(true);
  help_text_->setOpenExternalLinks(false);

  auto* contents = new QPushButton(QStringLiteral("目次"), this);
  contents->setObjectName(QStringLiteral("HelpContents"));
  auto* back = new QPushButton(QStringLiteral("戻る"), this);
  back->setObjectName(QStringLiteral("HelpBack"));
  back->setEnabled(false);
  auto* forward = new QPushButton(QStringLiteral("進む"), this);
  forward->setObjectName(QStringLiteral("HelpForward"));
  forward->setEnabled(false);
  auto* close_button = new QPushButton(QStringLiteral("閉じる"), this);
  close_button->setObjectName(QStringLiteral("HelpClose"));
  connect(contents, &QPushButton::clicked, this, [this] { ShowKeyword(kContentsKeyword); });
  connect(back, &QPushButton::clicked, help_text_, &QTextBrowser::backward);
  connect(help_text_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(forward, &QPushButton::clicked, help_text_, &QTextBrowser::forward);
  connect(help_text_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch(1);
  buttons->addWidget(close_button);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(help_text_, 1);
  resize(760, 600);
}

bool HelpWindow::Open(const fs::path& file, std::string* error) {
  // Read first so that an unreadable file is reported; the page itself is loaded as the
  // browser's source, so that it is the first entry of the history.
  if (!text::ReadWholeFile(file, error)) return false;
  file_ = file;
  help_text_->setSearchPaths({ToQString(text::PathText(file.parent_path()))});
  help_text_->setSource(QUrl::fromLocalFile(ToQString(text::PathText(file))),
                        QTextDocument::HtmlResource);
  help_text_->clearHistory();
  return true;
}

void HelpWindow::ShowKeyword(std::string_view keyword) {
  help_text_->scrollToAnchor(ToQString(keyword));
}

}  // namespace mirtote::app
