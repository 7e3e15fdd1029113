#pragma once
// What the three report viewers share: the four buttons (save, copy, close, end program),
// the session they save and copy through, and their size in twips. A viewer is a window of
// its own that deletes itself when closed.

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "shell/session.h"

class QLayout;

namespace mirtote::ui {

class ReportTextBox;

class ReportViewer : public QWidget {
  Q_OBJECT

 public:
  // Sets the window size given in twips.
  void SetSizeTwips(int width_twips, int height_twips);

  virtual void Command1_Click() = 0;  // save
  virtual void Command2_Click() = 0;  // copy
  void Command3_Click();              // close this viewer
  void Command4_Click();              // exit confirmation of the main window

 protected:
  // `confirm_exit` runs the main window's exit confirmation.
  ReportViewer(const Session& session, std::function<void()> confirm_exit, QWidget* parent);

  // The row of Command1 to Command4 with these captions.
  QLayout* MakeButtonRow(const std::array<std::string_view, 4>& captions);

  const Session& session() const { return session_; }

 private:
  Session session_;
  std::function<void()> confirm_exit_;
};

// A viewer of one report text (Text1), which its copy button copies whole.
class SingleReportViewer : public ReportViewer {
  Q_OBJECT

 public:
  void SetText(std::string_view utf8);
  std::string Text() const;

  void Command2_Click() override;  // "コ ピ ー"

 protected:
  // The window with this caption: Text1 above the buttons with these captions.
  SingleReportViewer(const Session& session, std::function<void()> confirm_exit, QWidget* parent,
                     std::string_view caption, const std::array<std::string_view, 4>& buttons);

 private:
  ReportTextBox* text1_;
};

}  // namespace mirtote::ui
