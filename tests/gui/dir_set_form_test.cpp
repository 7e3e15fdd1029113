// The folder settings dialog: controls, folder list, options and the "set" button. The
// rules behind them (what is refused, what is replaced) are the folder setting's own tests;
// here: that the dialog passes the chosen option and shown folder.

#include "app/dir_set_form.h"
#include "gui/form_harness.h"
#include "text/files.h"
#include "ui/qt_support.h"

using mirtote::app::DirSetForm;

class DirSetFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<mirtote::testing::SessionFixture> f_;

  QString Folder(const char* name = nullptr) const {
    auto path = name ? f_->start.path() / name : f_->start.path();
    return QString::fromStdString(mirtote::text::PathText(path));
  }
  static QString Text1(DirSetForm& form) { return Child<QLineEdit>(&form, "Text1")->text(); }

 private slots:
  void init() { f_ = std::make_unique<mirtote::testing::SessionFixture>(); }

  // A few telling texts: the first three options' tips end without "。", the others with it.
  void ControlsAsTheDialogShowsThem() {
    DirSetForm form(f_->session);
    QCOMPARE(form.windowTitle(), Q("フォルダ設定"));
    for (int i = 0; i < 6; ++i) {
      auto* option = Child<QRadioButton>(&form, "Option1_" + std::to_string(i));
      QCOMPARE(option->isChecked(), i == 0);
      QCOMPARE(option->toolTip().endsWith(Q("。")), i >= 3);
    }
    QCOMPARE(Child<QRadioButton>(&form, "Option1_4")->text(),
             Q("オッズデータ(OD*.CSV)格納フォルダ"));
    QCOMPARE(Child<QPushButton>(&form, "Command1")->text(), Q("上記のフォルダに設定する"));
    QCOMPARE(Text1(form), Folder());
    QVERIFY(f_->host.messages.empty());
  }

  void FolderListEntersAndLeavesFolders() {
    f_->start.Write("b/inner/x.txt", "x");
    std::filesystem::create_directories(f_->start.path() / "a");
    DirSetForm form(f_->session);
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

  // An option shows its stored folder; "set" stores the shown (or typed) folder under the
  // chosen option's key.
  void OptionsAndTheSetButton() {
    f_->start.Write("pat/a.txt", "x");
    f_->start.Write("target/base.txt", "x");
    f_->start.Write("target/DDATA/d.csv", "x");
    f_->settings.Set(keys::kStartup, keys::kPatInstFolder, Folder("pat").toStdString());
    DirSetForm form(f_->session);
    Child<QRadioButton>(&form, "Option1_5")->click();
    QCOMPARE(Text1(form), Folder("pat"));
    Child<QRadioButton>(&form, "Option1_3")->click();
    Child<QLineEdit>(&form, "Text1")->setText(Folder("target"));
    Child<QPushButton>(&form, "Command1")->click();
    QCOMPARE(f_->host.messages.back().text, "設定しました。"s);
    QCOMPARE(f_->settings.GetOr(keys::kStartup, keys::kTargetFolder, ""),
             Folder("target").toStdString());
    QCOMPARE(f_->settings.size(), size_t{2});
  }

  // Opened from the menu: sized, shown without blocking; chosen again, the same dialog.
  void OpenSizesAndShowsWithoutBlocking() {
    QWidget main_window;
    mirtote::app::AppContext context{.session = f_->session, .main_window = &main_window};
    mirtote::app::OpenDirSetForm(context);
    mirtote::app::OpenDirSetForm(context);
    auto forms = main_window.findChildren<DirSetForm*>();
    QCOMPARE(forms.size(), qsizetype{1});
    QPointer<DirSetForm> form = forms[0];
    QVERIFY(form->isVisible());
    QVERIFY(!form->isModal());
    QCOMPARE(form->size(), mirtote::ui::TwipsToPixels(4695, 5430));
    Child<QPushButton>(form, "Command2")->click();
    QTRY_VERIFY(form.isNull());
  }
};

QTEST_MAIN(DirSetFormTest)
#include "dir_set_form_test.moc"
