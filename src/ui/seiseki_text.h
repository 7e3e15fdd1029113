#pragma once
// The results viewer of a meeting day: one tab per venue, the selected venue's text shown,
// and save / copy of either all venues ("全結果") or the shown one ("表示分のみ").

#include <array>
#include <string>
#include <string_view>

#include "ui/report_viewer.h"

class QRadioButton;
class QTabBar;

namespace mirtote::ui {

class ReportTextBox;

class SeisekiText : public ReportViewer {
  Q_OBJECT

 public:
  static constexpr int kVenueCount = 4;

  SeisekiText(const Session& session, std::function<void()> confirm_exit,
              QWidget* parent = nullptr);

  // Venue `index` (0-3): tab index + 1 captioned `venue` (tabs are added as needed) and the
  // hidden text box Text1(index) holding `text`. The selected tab's text is shown.
  void SetVenue(int index, std::string_view venue, std::string_view text);
  // The window caption; it starts with the date ("1998/ 5/ 5...").
  void SetCaption(std::string_view utf8);

  void Command1_Click() override;  // "保　　存"
  void Command2_Click() override;  // "コ ピ ー"
  // A tab was chosen: Text2 shows that venue's text.
  void TabStrip1_Click();

 private:
  bool AllResults() const;
  std::string SelectedTabCaption() const;
  // What save and copy take.
  std::string ChosenText() const;

  std::array<ReportTextBox*, kVenueCount> text1_{};
  QTabBar* tab_strip1_;
  ReportTextBox* text2_;
  QRadioButton* option1_;
  QRadioButton* option2_;
};

}  // namespace mirtote::ui
