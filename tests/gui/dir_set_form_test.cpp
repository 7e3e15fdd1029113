// The folder settings dialog: load, folder list, options and the "set" button.

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/app_context.h"
#include "app/dir_set_form.h"
#include "shell/settings_keys.h"
#include "support/test_support.h"
#include "text/files.h"

using mirtote::MemorySettingsStore;
using mirtote::Session;
using mirtote::app::DirSetForm;
using mirtote::testing::ScriptedHost;
using mirtote::testing::TempFolder;
namespace keys = mirtote::keys;

namespace {

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

template <typename T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no child %s", name);
  return child;
}

QString Text1(DirSetForm& form) {
  return Child<QLineEdit>(&form, "Text1")->text();
}

}  // namespace

class DirSetFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempFolder> start_;
  std::unique_ptr<MemorySettingsStore> settings_;
  std::unique_ptr<ScriptedHost> host_;
  std::unique_ptr<Session> session_;

  QString Folder(const char* name = nullptr) const {
    auto path = name ? start_->path() / name : start_->path();
    return QString::fromStdString(mirtote::text::PathText(path));
  }

 private slots:
  void init() {
    start_ = std::make_unique<TempFolder>();
    settings_ = std::make_unique<MemorySettingsStore>();
    host_ = std::make_unique<ScriptedHost>();
    session_ = std::make_unique<Session>(Session{start_->path(), *settings_, *host_});
  }

  void ControlsAsTheDialogShowsThem() {
    DirSetForm form(*session_);
    QCOMPARE(form.windowTitle(), Q("フォルダ設定"));
    const char* captions[] = {
        "JRA-VAN圧縮データ格納フォルダ",     "KORVAN Mes17オッズログ格納フォルダ",
        "疑似PATファイル出力フォルダ",       "TARGETデータフォルダ(基本フォルダ)",
        "オッズデータ(OD*.CSV)格納フォルダ", "PATインストールフォルダ"};
    for (int i = 0; i < 6; ++i) {
      auto* option = Child<QRadioButton>(&form, ("Option1_" + std::to_string(i)).c_str());
      QCOMPARE(option->text(), Q(captions[i]));
      QCOMPARE(option->isChecked(), i == 0);
      QCOMPARE(option->toolTip().endsWith(Q("。")), i >= 3);
    }
    QCOMPARE(Child<QPushButton>(&form, "Command1")->text(), Q("上記のフォルダに設定する"));
    QCOMPARE(Child<QPushButton>(&form, "Command2")->text(), Q("閉じる"));
    QCOMPARE(Child<QListWidget>(&form, "Dir1")->toolTip(),
             Q("フォルダをダブルクリックで選択してください"));
    QVERIFY(host_->messages.empty());
  }

  void FolderListEntersAndLeavesFolders() {
    start_->Write("b/inner/x.txt", "x");
    std::filesystem::create_directories(start_->path() / "a");
    DirSetForm form(*session_);
    auto* dir1 = Child<QListWidget>(&form, "Dir1");
    QCOMPARE(dir1->count(), 3);
    QCOMPARE(dir1->item(0)->text(), Q(".."));
    QCOMPARE(dir1->item(1)->text(), Q("a"));
    emit dir1->itemActivated(dir1->item(2));
    QCOMPARE(Text1(form), Folder("b"));
    QCOMPARE(dir1->item(1)->text(), Q("inner"));
    emit dir1->itemActivated(dir1->item(0));
    QCOMPARE(Text1(form), Folder());
  }

  void RefusesAnEmptyText() {
    start_->Write("a.txt", "x");
    DirSetForm form(*session_);
    Child<QLineEdit>(&form, "Text1")->clear();
    Child<QPushButton>(&form, "Command1")->click();
    QCOMPARE(host_->messages.size(), size_t{1});
    QCOMPARE(host_->messages[0].title, std::string("フォルダ設定【要確認】"));
    QCOMPARE(host_->messages[0].text,
             std::string("フォルダが存在しません。\r\n設定できませんでした。"));
    QCOMPARE(settings_->size(), size_t{0});
  }

  void TargetFolderWithoutDdataIsRefused() {
    start_->Write("target/a.txt", "x");
    DirSetForm form(*session_);
    Child<QRadioButton>(&form, "Option1_3")->click();
    Child<QLineEdit>(&form, "Text1")->setText(Folder("target"));
    Child<QPushButton>(&form, "Command1")->click();
    QCOMPARE(host_->messages.back().title, std::string("TARGETデータフォルダ確認"));
    QVERIFY(!settings_->Get(keys::kStartup, keys::kTargetFolder));

    start_->Write("target/DDATA/d.csv", "x");
    Child<QPushButton>(&form, "Command1")->click();
    QCOMPARE(host_->messages.back().text, std::string("設定しました。"));
    QCOMPARE(settings_->GetOr(keys::kStartup, keys::kTargetFolder, ""),
             Folder("target").toStdString());
  }

  void RemovedPatInstFolderIsReplacedByTheCurrentFolder() {
    std::filesystem::create_directories(start_->path() / "pat");
    settings_->Set(keys::kStartup, keys::kPatInstFolder, Folder("pat").toStdString());
    DirSetForm form(*session_);
    Child<QRadioButton>(&form, "Option1_5")->click();
    QCOMPARE(Text1(form), Folder("pat"));
    std::filesystem::remove(start_->path() / "pat");
    Child<QRadioButton>(&form, "Option1_0")->click();
    Child<QRadioButton>(&form, "Option1_5")->click();
    QCOMPARE(Text1(form), Folder());
    QCOMPARE(settings_->GetOr(keys::kStartup, keys::kPatInstFolder, ""), Folder().toStdString());
    QVERIFY(host_->messages.empty());
  }

  void OpenSizesAndShowsWithoutBlocking() {
    QWidget main_window;
    mirtote::app::AppContext context{
        .session = *session_, .pat_run = {}, .main_window = &main_window};
    mirtote::app::OpenDirSetForm(context);
    auto forms = main_window.findChildren<DirSetForm*>();
    QCOMPARE(forms.size(), qsizetype{1});
    QPointer<DirSetForm> form = forms[0];
    QVERIFY(form->isVisible());
    QVERIFY(!form->isModal());
    QCOMPARE(form->width(), qRound(4695 * form->logicalDpiX() / 1440.0));
    Child<QPushButton>(form, "Command2")->click();
    QTRY_VERIFY(form.isNull());
  }
};

QTEST_MAIN(DirSetFormTest)
#include "dir_set_form_test.moc"
