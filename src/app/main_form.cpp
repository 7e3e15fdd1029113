#include "app/main_form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>
#include <string>

#include "app/app_context.h"
#include "app/confirm_exit.h"
#include "app/dir_set_form.h"
#include "app/help_window.h"
#include "app/operations.h"
#include "app/toolbar_icons.h"
#include "app/w_splash.h"
#include "shell/settings_keys.h"
#include "shell/work_folders.h"
#include "ui/qt_support.h"

namespace mirtote::app {

using ui::ToQString;

namespace {

// The menu tree in display order: item name, the menu that holds it (empty: the menu bar)
// and caption; "-" is a separator. An item that holds others is a submenu.
struct MenuItem {
  const char* name;
  const char* under;
  const char* caption;
};

constexpr MenuItem kMenuTree[] = {
    {"Sousa", "", "操作(&F)"},
    {"LzhMelt", "Sousa", "JRA-VAN圧縮ﾌｧｲﾙ解凍"},
    {"KORVANout", "Sousa", "会議室ログから疑似PATﾌｧｲﾙへ変換"},
    {"ODCSVout", "Sousa", "ｵｯｽﾞﾌｧｲﾙ(OD～.CSV)から疑似PATﾌｧｲﾙへ変換"},
    {"SeisekiOut", "Sousa", "確定成績表示(JRA-VAN成績ﾃﾞｰﾀ利用)"},
    {"SousaSep1", "Sousa", "-"},
    {"ViewSelect", "Sousa", "専門紙風ｵｯｽﾞ出力"},
    {"OddsHistory", "Sousa", "オッズ推移"},
    {"SousaSep2", "Sousa", "-"},
    {"MIR_OTTE_works", "Sousa", "MIR_OTTE"},
    {"SousaSep3", "Sousa", "-"},
    {"SousaEnd", "Sousa", "終了"},
    {"OptMain", "", "ｵﾌﾟｼｮﾝ(&O)"},
    {"OptFolder", "OptMain", "ﾌｫﾙﾀﾞ設定"},
    {"OptPAT", "OptMain", "PAT設定"},
    {"SelPAT31", "OptPAT", "ﾊﾟｿｺﾝ競馬倶楽部(PAT3.1)"},
    {"SelPAT95", "OptPAT", "JAR PAT for Windows95"},
    {"OptFile", "OptMain", "変換元ﾌｧｲﾙ種別"},
    {"FileSel1", "OptFile", "ﾛｸﾞﾌｧｲﾙ種別"},
    {"FileSel1_ODS", "FileSel1", "KORVANｵｯｽﾞﾛｸﾞ(*.ODS)"},
    {"FileSel1_TXT", "FileSel1", "ﾃｷｽﾄﾌｧｲﾙ(*.TXT)"},
    {"FileSel1_ALL", "FileSel1", "全てのﾌｧｲﾙから選択(*.*)"},
    {"FileSel2", "OptFile", "ｵｯｽﾞﾌｧｲﾙ種別"},
    {"FileSel2_CSV", "FileSel2", "TARGETｵｯｽﾞﾌｧｲﾙ(OD*.CSV)"},
    {"FileSel2_JRA", "FileSel2", "JRA-VAN票数ﾃﾞｰﾀ(*.HY*)"},
    {"OptTime", "OptMain", "時間設定"},
    {"HelpMain", "", "ﾍﾙﾌﾟ(&H)"},
    {"HelpCont", "HelpMain", "ﾍﾙﾌﾟｷｰﾜｰﾄﾞ"},
    {"HelpSep1", "HelpMain", "-"},
    {"HelpVer", "HelpMain", "ﾊﾞｰｼﾞｮﾝ情報"},
};

// The items with a check mark: each shows one value of a setting, and the items of a
// setting are checked one at a time. "FileSel2_JRA" cannot be chosen.
struct OptionItem {
  const char* key;
  const char* name;
  const char* value;
};

constexpr OptionItem kOptionItems[] = {
    {keys::kPatType, "SelPAT31", "PAT31"},        {keys::kPatType, "SelPAT95", "PAT95"},
    {keys::kFileExtType, "FileSel1_ODS", "ODS"},  {keys::kFileExtType, "FileSel1_TXT", "TXT"},
    {keys::kFileExtType, "FileSel1_ALL", "ALL"},  {keys::kOddsFileType, "FileSel2_CSV", "CSV"},
    {keys::kOddsFileType, "FileSel2_JRA", "JRA"},
};

struct MenuHandler {
  const char* name;
  void (Main_Form::*handler)();
};

constexpr MenuHandler kMenuHandlers[] = {
    {"LzhMelt", &Main_Form::LzhMelt_Click},
    {"KORVANout", &Main_Form::KORVANout_Click},
    {"ODCSVout", &Main_Form::ODCSVout_Click},
    {"SeisekiOut", &Main_Form::SeisekiOut_Click},
    {"ViewSelect", &Main_Form::ViewSelect_Click},
    {"OddsHistory", &Main_Form::OddsHistory_Click},
    {"MIR_OTTE_works", &Main_Form::MIR_OTTE_works_Click},
    {"SousaEnd", &Main_Form::SousaEnd_Click},
    {"OptFolder", &Main_Form::OptFolder_Click},
    {"SelPAT31", &Main_Form::SelPAT31_Click},
    {"SelPAT95", &Main_Form::SelPAT95_Click},
    {"FileSel1_ODS", &Main_Form::FileSel1_ODS_Click},
    {"FileSel1_TXT", &Main_Form::FileSel1_TXT_Click},
    {"FileSel1_ALL", &Main_Form::FileSel1_ALL_Click},
    {"FileSel2_CSV", &Main_Form::FileSel2_CSV_Click},
    {"OptTime", &Main_Form::OptTime_Click},
    {"HelpCont", &Main_Form::HelpCont_Click},
    {"HelpVer", &Main_Form::HelpVer_Click},
};

// The toolbar in order: button key and tooltip; a null key is a separator.
struct ToolbarButton {
  const char* key;
  const char* tooltip;
};

constexpr ToolbarButton kToolbarButtons[] = {
    {nullptr, nullptr},
    {"MIR_OTTE", "KORVAN Odds Team Tool"},
    {"ﾌｧｲﾙ解凍", "JRA-VANデータを解凍します"},
    {"ログ", "ｵｯｽﾞﾛｸﾞをPATﾃﾞｰﾀに変換します"},
    {"ｵｯｽﾞﾌｧｲﾙ", "ｵｯｽﾞﾃﾞｰﾀをPATﾃﾞｰﾀに変換します"},
    {"成績表示", "JRA-VAN確定成績ﾃﾞｰﾀを表示します"},
    {nullptr, nullptr},
    {"ヘルプ", "ヘルプファイルを表示します"},
    {"ﾊﾞｰｼﾞｮﾝ", "ﾊﾞｰｼﾞｮﾝ情報を表示します"},
    {"終　了", "ソフトを終了します"},
};

constexpr const char* kCaption = "MIR_TOTE Version 2.00";
// The help section that the help command and the toolbar's "ヘルプ" open.
constexpr std::string_view kHelpContents = "目次";

bool HasSubItems(std::string_view name) {
  for (const MenuItem& item : kMenuTree) {
    if (name == item.under) return true;
  }
  return false;
}

}  // namespace

MainFormOperations MainFormOperations::Standard() {
  MainFormOperations operations;
  operations.pat_run = OpenPatRunDialog;
  operations.archive_extraction = RunArchiveExtraction;
  operations.forum_log_conversion = RunForumLogConversion;
  operations.odds_csv_conversion = RunOddsCsvConversion;
  operations.results_selection = OpenResultsSelection;
  operations.odds_selection = OpenOddsSelection;
  operations.odds_history = OpenOddsHistory;
  operations.folder_settings = OpenDirSetForm;
  operations.processing_window = [](AppContext& context) { EditProcessingWindow(context.session); };
  return operations;
}

Main_Form::Main_Form(AppContext& context, MainFormOptions options, MainFormOperations operations)
    : context_(context), options_(std::move(options)), operations_(std::move(operations)) {
  setObjectName(QStringLiteral("Main_Form"));
  setWindowTitle(ToQString(kCaption));
  context_.main_window = this;

  // The empty work area below the toolbar, as the original's MDI client area.
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("MDIClient"));
  area->setAutoFillBackground(true);
  QPalette palette = area->palette();
  palette.setColor(QPalette::Window, QColor(0x9a, 0xa3, 0xa8));
  area->setPalette(palette);
  setCentralWidget(area);

  BuildMenus();
  BuildToolbar();
  resize(800, 600);
}

Main_Form::~Main_Form() {
  if (context_.main_window == this) context_.main_window = nullptr;
}

void Main_Form::BuildMenus() {
  for (const MenuItem& item : kMenuTree) {
    const QString name = ToQString(item.name);
    const QString caption = ToQString(item.caption);
    if (*item.under == '\0') {
      QMenu* menu = menuBar()->addMenu(caption);
      menu->setObjectName(name);
      menu->menuAction()->setObjectName(name + QStringLiteral("_Menu"));
      continue;
    }
    auto* parent_menu = menuBar()->findChild<QMenu*>(ToQString(item.under));
    if (caption == QStringLiteral("-")) {
      parent_menu->addSeparator()->setObjectName(name);
    } else if (HasSubItems(item.name)) {
      QMenu* submenu = parent_menu->addMenu(caption);
      submenu->setObjectName(name);
      submenu->menuAction()->setObjectName(name + QStringLiteral("_Menu"));
    } else {
      parent_menu->addAction(caption)->setObjectName(name);
    }
  }
  for (const OptionItem& item : kOptionItems) Item(item.name)->setCheckable(true);
  ShowOption(keys::kOddsFileType, "CSV");
  Item("FileSel2_JRA")->setEnabled(false);

  for (const MenuHandler& entry : kMenuHandlers) {
    const auto handler = entry.handler;
    connect(Item(entry.name), &QAction::triggered, this,
            [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
  }
}

void Main_Form::BuildToolbar() {
  toolbar1_ = addToolBar(QStringLiteral("Toolbar1"));
  toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
  toolbar1_->setMovable(false);
  toolbar1_->setIconSize(QSize(32, 32));
  toolbar1_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  int index = 0;
  for (const ToolbarButton& button : kToolbarButtons) {
    ++index;
    QAction* action = nullptr;
    if (button.key == nullptr) {
      action = toolbar1_->addSeparator();
    } else {
      const QString key = ToQString(button.key);
      action = toolbar1_->addAction(ToolbarIcon(key), key);
      action->setData(key);
      action->setToolTip(ToQString(button.tooltip));
      connect(action, &QAction::triggered, this,
              [this, key] { RunCommand([this, key] { Toolbar1_ButtonClick(key); }); });
    }
    action->setObjectName(QStringLiteral("Toolbar1_Button%1").arg(index));
  }
}

QAction* Main_Form::Item(const char* name) const {
  return menuBar()->findChild<QAction*>(ToQString(name));
}

bool Main_Form::ShowOption(std::string_view key, std::string_view value) {
  bool shown = false;
  for (const OptionItem& item : kOptionItems) {
    if (key != item.key) continue;
    Item(item.name)->setChecked(value == item.value);
    shown = shown || value == item.value;
  }
  return shown;
}

void Main_Form::ChooseOption(const char* key, const char* value) {
  ShowOption(key, value);
  context_.session.settings.Set(keys::kStartup, key, value);
}

void Main_Form::RunCommand(const std::function<void()>& command) {
  RunGuardedCommand(context_, command);
}

void Main_Form::RunOperation(const MainFormOperations::Operation& operation) {
  if (operation) operation(context_);
}

void Main_Form::Toolbar1_ButtonClick(const QString& key) {
  if (key == QStringLiteral("MIR_OTTE")) {
    MIR_OTTE_works_Click();
  } else if (key == QStringLiteral("ﾌｧｲﾙ解凍")) {
    LzhMelt_Click();
  } else if (key == QStringLiteral("ログ")) {
    KORVANout_Click();
  } else if (key == QStringLiteral("ｵｯｽﾞﾌｧｲﾙ")) {
    if (context_.session.settings.GetOr(keys::kStartup, keys::kOddsFileType, "CSV") == "CSV") {
      ODCSVout_Click();
    }
  } else if (key == QStringLiteral("成績表示")) {
    SeisekiOut_Click();
  } else if (key == QStringLiteral("ヘルプ")) {
    HelpCont_Click();
  } else if (key == QStringLiteral("ﾊﾞｰｼﾞｮﾝ")) {
    HelpVer_Click();
  } else if (key == QStringLiteral("終　了")) {
    SousaEnd_Click();
  }
}

void Main_Form::LzhMelt_Click() {
  RunOperation(operations_.archive_extraction);
}
void Main_Form::KORVANout_Click() {
  RunOperation(operations_.forum_log_conversion);
}
void Main_Form::ODCSVout_Click() {
  RunOperation(operations_.odds_csv_conversion);
}
void Main_Form::SeisekiOut_Click() {
  RunOperation(operations_.results_selection);
}
void Main_Form::ViewSelect_Click() {
  RunOperation(operations_.odds_selection);
}
void Main_Form::OddsHistory_Click() {
  RunOperation(operations_.odds_history);
}
void Main_Form::MIR_OTTE_works_Click() {
  RunOperation(operations_.pat_run);
}
void Main_Form::SousaEnd_Click() {
  ConfirmExit(context_);
}
void Main_Form::OptFolder_Click() {
  RunOperation(operations_.folder_settings);
}
void Main_Form::OptTime_Click() {
  RunOperation(operations_.processing_window);
}
void Main_Form::HelpCont_Click() {
  ShowHelp(kHelpContents);
}
void Main_Form::HelpVer_Click() {
  ShowVersion();
}

void Main_Form::SelPAT31_Click() {
  ChooseOption(keys::kPatType, "PAT31");
}
void Main_Form::SelPAT95_Click() {
  ChooseOption(keys::kPatType, "PAT95");
}
void Main_Form::FileSel1_ODS_Click() {
  ChooseOption(keys::kFileExtType, "ODS");
}
void Main_Form::FileSel1_TXT_Click() {
  ChooseOption(keys::kFileExtType, "TXT");
}
void Main_Form::FileSel1_ALL_Click() {
  ChooseOption(keys::kFileExtType, "ALL");
}
void Main_Form::FileSel2_CSV_Click() {
  ChooseOption(keys::kOddsFileType, "CSV");
}

}  // namespace mirtote::app
