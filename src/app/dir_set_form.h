#pragma once
// The folder settings dialog: the user picks a folder in the folder list (or types it) and
// stores it under one of the six folder settings.

#include <QDialog>
#include <filesystem>

#include "shell/session.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace mirtote::app {

struct AppContext;

class DirSetForm : public QDialog {
  Q_OBJECT

 public:
  explicit DirSetForm(const Session& session, QWidget* parent = nullptr);

  void Option1_Click(int index);  // show the chosen setting's folder
  void Dir1_Change();             // the folder list moved: copy its folder into Text1
  void Command1_Click();          // "上記のフォルダに設定する"
  void Command2_Click();          // "閉じる"

  // Moves the folder list to `folder`.
  void SetDir1Path(const std::filesystem::path& folder);
  const std::filesystem::path& Dir1Path() const { return dir1_path_; }

 private:
  void Dir1_DblClick(QListWidgetItem* item);
  void FillDir1();

  Session session_;
  std::filesystem::path dir1_path_;
  QButtonGroup* option1_;
  QLineEdit* text1_;
  QListWidget* dir1_;
};

// The menu item: creates the dialog (or takes the open one), sizes it and shows it without
// blocking.
void OpenDirSetForm(AppContext& context);

}  // namespace mirtote::app
