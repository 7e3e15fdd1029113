#include "app/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressBar>

#include "app/prog_bar.h"
#include "app/qt_file_filter.h"
#include "app/window_frame.h"
#include "ui/qt_support.h"

namespace mirtote::app {

using ui::DisplayText;
using ui::ToQString;
using ui::ToUtf8;

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

// Runs a message box; the texts are shown as plain text so that "<" and "&" stay as they are.
QMessageBox::StandardButton RunBox(QWidget* parent, std::string_view text, std::string_view title,
                                   MessageIcon icon, QMessageBox::StandardButtons buttons) {
  QMessageBox box(BoxIcon(icon), ToQString(title), DisplayText(text), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  ui::UseDialogFrame(box);
  if (buttons.testFlag(QMessageBox::Yes)) box.setDefaultButton(QMessageBox::Yes);
  FitBoxToTitle(box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

// While the busy pointer is on, a box or dialog that waits for the user shows the normal
// pointer, as a window of its own would.
class NormalPointer {
 public:
  explicit NormalPointer(bool busy) : pushed_(busy) {
    if (pushed_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~NormalPointer() {
    if (pushed_) QApplication::restoreOverrideCursor();
  }
  NormalPointer(const NormalPointer&) = delete;
  NormalPointer& operator=(const NormalPointer&) = delete;

 private:
  bool pushed_;
};

struct DialogFilter {
  QString filters;   // ";;"-joined Qt name filters
  QString selected;  // the first one
};

DialogFilter MakeFilter(std::string_view filter) {
  const QStringList list = QtNameFilters(filter);
  return {list.join(QStringLiteral(";;")), list.isEmpty() ? QString() : list.first()};
}

}  // namespace

QtHost::~QtHost() {
  if (busy_) QApplication::restoreOverrideCursor();
  delete prog_bar_.data();
}

QWidget* QtHost::DialogParent() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  if (main_window_ && main_window_->isVisible()) return main_window_;
  return nullptr;
}

void QtHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  const NormalPointer pointer(busy_);
  RunBox(DialogParent(), text, title, icon, QMessageBox::Ok);
}

bool QtHost::AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
  const NormalPointer pointer(busy_);
  return RunBox(DialogParent(), text, title, icon, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

std::optional<std::string> QtHost::AskText(std::string_view prompt, std::string_view title,
                                           std::string_view initial) {
  QInputDialog dialog(DialogParent());
  dialog.setWindowTitle(ToQString(title));
  dialog.setLabelText(DisplayText(prompt));
  dialog.setTextValue(ToQString(initial));
  dialog.setMinimumWidth(TitleFitWidth(dialog.windowTitle()));
  const NormalPointer pointer(busy_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToUtf8(dialog.textValue());
}

std::optional<ChosenFiles> QtHost::ChooseFilesToOpen(const FileDialogRequest& request) {
  DialogFilter filter = MakeFilter(request.filter);
  const NormalPointer pointer(busy_);
  const QStringList paths = QFileDialog::getOpenFileNames(DialogParent(), ToQString(request.title),
                                                          ToQString(request.initial_folder),
                                                          filter.filters, &filter.selected);
  if (paths.isEmpty()) return std::nullopt;
  ChosenFiles chosen;
  chosen.folder = ToUtf8(QDir::toNativeSeparators(QFileInfo(paths.first()).absolutePath()));
  for (const QString& path : paths) chosen.names.push_back(ToUtf8(QFileInfo(path).fileName()));
  return chosen;
}

std::optional<std::string> QtHost::ChooseFileToSave(const FileDialogRequest& request) {
  DialogFilter filter = MakeFilter(request.filter);
  QString proposal = ToQString(request.initial_folder);
  if (!request.default_name.empty()) {
    proposal = QDir(proposal).filePath(ToQString(request.default_name));
  }
  // The dialog itself asks before an existing file is replaced.
  const NormalPointer pointer(busy_);
  const QString path = QFileDialog::getSaveFileName(DialogParent(), ToQString(request.title),
                                                    proposal, filter.filters, &filter.selected);
  if (path.isEmpty()) return std::nullopt;
  return ToUtf8(QDir::toNativeSeparators(path));
}

void QtHost::ShowProgress(std::string_view caption, int minimum, int maximum) {
  // The window that started the command, before the progress window takes that place.
  QWidget* owner = DialogParent();
  if (!prog_bar_) prog_bar_ = new ProgBar(main_window_);
  prog_bar_->SetCaption(ToQString(caption));
  prog_bar_->ProgressBar1()->setRange(minimum, maximum);
  prog_bar_->ProgressBar1()->setValue(minimum);
  if (!prog_bar_->isVisible())
    CentreOver(*prog_bar_, owner != prog_bar_ ? owner : main_window_.data());
  prog_bar_->show();
  prog_bar_->raise();
}

void QtHost::SetProgressCaption(std::string_view caption) {
  if (prog_bar_) prog_bar_->SetCaption(ToQString(caption));
}

void QtHost::SetProgressValue(int value) {
  if (prog_bar_) prog_bar_->ProgressBar1()->setValue(value);
}

void QtHost::CloseProgress() {
  if (prog_bar_) prog_bar_->close();
}

void QtHost::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtHost::Yield() {
  QCoreApplication::processEvents();
}

void QtHost::SetClipboardText(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(ToQString(text));
}

}  // namespace mirtote::app
