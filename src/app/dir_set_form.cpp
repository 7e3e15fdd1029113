#include "app/dir_set_form.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>
#include <system_error>
#include <vector>

#include "app/app_context.h"
#include "shell/folder_setting.h"
#include "text/files.h"
#include "ui/qt_support.h"

namespace mirtote::app {

namespace fs = std::filesystem;
using ui::ToQString;

namespace {

// Captions of Option1(0) to Option1(5); their keys are FolderOptionKey(0..5).
constexpr std::array<std::string_view, kFolderOptionCount> kOptionCaptions = {
    "JRA-VAN圧縮データ格納フォルダ",     "KORVAN Mes17オッズログ格納フォルダ",
    "疑似PATファイル出力フォルダ",       "TARGETデータフォルダ(基本フォルダ)",
    "オッズデータ(OD*.CSV)格納フォルダ", "PATインストールフォルダ",
};

constexpr int kWidthTwips = 4695;
constexpr int kHeightTwips = 5430;

constexpr int kPathRole = Qt::UserRole;

fs::path ToPath(const QString& text) {
  return fs::path(text.toStdString());
}

// Sub-folders of `folder` in name order; hidden ones too, so that every folder is reachable.
std::vector<fs::path> SubFolders(const fs::path& folder) {
  std::vector<fs::path> folders;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind_error;
    if (it->is_directory(kind_error)) folders.push_back(it->path());
  }
  std::sort(folders.begin(), folders.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return folders;
}

}  // namespace

DirSetForm::DirSetForm(const Session& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      option1_(new QButtonGroup(this)),
      text1_(new QLineEdit(this)),
      dir1_(new QListWidget(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ToQString("フォルダ設定"));
  ui::UseDialogFrame(*this);

  auto* frame1 = new QGroupBox(this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto* frame_layout = new QVBoxLayout(frame1);
  frame_layout->setSpacing(2);  // leaves the folder list room in the small dialog
  frame_layout->setContentsMargins(6, 4, 6, 4);
  for (int i = 0; i < kFolderOptionCount; ++i) {
    auto* option = new QRadioButton(ToQString(kOptionCaptions[i]), frame1);
    option->setObjectName(QStringLiteral("Option1_%1").arg(i));
    option->setToolTip(ToQString(i < 3 ? "設定するフォルダを選択してください"
                                       : "設定するフォルダを選択してください。"));
    option1_->addButton(option, i);
    frame_layout->addWidget(option);
  }

  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setToolTip(ToQString("設定フォルダが表示されています"));
  dir1_->setObjectName(QStringLiteral("Dir1"));
  dir1_->setToolTip(ToQString("フォルダをダブルクリックで選択してください"));

  QPushButton* command1 = ui::MakeButton(this, "Command1", "上記のフォルダに設定する");
  command1->setToolTip(ToQString("システムにフォルダ名を記憶します"));
  QPushButton* command2 = ui::MakeButton(this, "Command2", "閉じる");
  command2->setToolTip(ToQString("このウィンドウを閉じます"));
  command1->setAutoDefault(false);
  command2->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command1);
  buttons->addWidget(command2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame1);
  layout->addWidget(text1_);
  layout->addWidget(dir1_, 1);
  layout->addLayout(buttons);

  connect(option1_, &QButtonGroup::idClicked, this, [this](int id) { Option1_Click(id); });
  connect(dir1_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Dir1_DblClick(item); });
  connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

  option1_->button(0)->setChecked(true);
  SetDir1Path(InitialDirSetFolder(session_));
}

void DirSetForm::SetDir1Path(const fs::path& folder) {
  dir1_path_ = folder.lexically_normal();
  // "/a/b/" lists and shows as "/a/b".
  if (dir1_path_.filename().empty() && dir1_path_.has_relative_path()) {
    dir1_path_ = dir1_path_.parent_path();
  }
  FillDir1();
  Dir1_Change();
}

void DirSetForm::FillDir1() {
  dir1_->clear();
  if (dir1_path_.has_relative_path()) {
    auto* up = new QListWidgetItem(QStringLiteral(".."), dir1_);
    up->setData(kPathRole, ToQString(text::PathText(dir1_path_.parent_path())));
  }
  for (const fs::path& sub : SubFolders(dir1_path_)) {
    auto* item = new QListWidgetItem(ToQString(text::PathText(sub.filename())), dir1_);
    item->setData(kPathRole, ToQString(text::PathText(sub)));
  }
}

void DirSetForm::Dir1_DblClick(QListWidgetItem* item) {
  if (item == nullptr) return;
  SetDir1Path(ToPath(item->data(kPathRole).toString()));
}

void DirSetForm::Dir1_Change() {
  text1_->setText(ToQString(text::PathText(dir1_path_)));
}

void DirSetForm::Option1_Click(int index) {
  SetDir1Path(FolderForOption(session_, index));
}

void DirSetForm::Command1_Click() {
  int checked = option1_->checkedId();
  std::optional<int> option;
  if (checked >= 0) option = checked;
  StoreFolderSetting(session_, option, text1_->text().toStdString());
}

void DirSetForm::Command2_Click() {
  close();
}

// The dialog exists once: chosen again while it is open, it comes forward.
void OpenDirSetForm(AppContext& context) {
  DirSetForm* form = context.main_window ? context.main_window->findChild<DirSetForm*>() : nullptr;
  if (form == nullptr) form = new DirSetForm(context.session, context.main_window);
  form->resize(ui::TwipsToPixels(kWidthTwips, kHeightTwips));
  form->show();
  form->raise();
  form->activateWindow();
}

}  // namespace mirtote::app
