// The odds history window opened from the menu of the real main window over a store of
// made-up snapshots: one line per horse with a point per timed snapshot, the odds axis from
// 1.0 to the longest price, the falls marked and listed, the copy equal to the command line's
// CSV, and new snapshots followed without losing the choice.

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <sstream>

#include "cli/command_line.h"
#include "form_harness.h"
#include "history/history_store.h"
#include "support/race_fixtures.h"
#include "ui/odds_chart.h"
#include "ui/odds_history_form.h"

using mirtote::history::HistoryStore;
using mirtote::history::OddsKind;
using mirtote::history::RaceSnapshot;
using mirtote::ui::OddsHistoryForm;

namespace {

// Race 11 of 5 runners: horse 2 falls 11.5 -> 6.0 at 10:30, horse 3 is scratched then (a
// source that still gives its old odds later does not bring its line back).
const std::vector<std::pair<std::string, std::vector<std::string>>> kWinOdds = {
    {"1000", {"3.2", "12.0", "5.5", "30.1", "8.0"}},
    {"1015", {"3.0", "11.5", "5.8", "45.0", "8.2"}},
    {"1030", {"3.1", "6.0", "-", "52.3", "7.9"}},
    {"1045", {"2.9", "5.8", "6.1", "60.0", "8.4"}},
};

RaceSnapshot Snap(int race, const std::string& time, const std::vector<std::string>& win) {
  RaceSnapshot s;
  s.race = {{"19980510", 5, race}, 3, 8, 5, "テスト記念", "1540"};
  s.snapshot.odds_time = time;
  s.snapshot.source_file = "test";
  s.snapshot.runners = 5;
  s.snapshot.cells[0] = win;
  for (const std::string& w : win) {
    // Place: a range whose middle is a tenth of the win odds plus one.
    s.snapshot.cells[1].push_back(w == "-" ? "-" : "1.0-" + w);
  }
  return s;
}

void Record(const fs::path& start, const std::vector<RaceSnapshot>& snapshots) {
  std::string error;
  auto store =
      HistoryStore::Open(mirtote::history::HistoryPath(start), HistoryStore::Mode::kWrite, error);
  QVERIFY2(store && store->Begin(error), error.c_str());
  for (const RaceSnapshot& s : snapshots) {
    bool added = false;
    QVERIFY2(store->Add(s, added, error) && added, error.c_str());
  }
  QVERIFY2(store->Commit(error), error.c_str());
}

template <typename Series>
QList<Series*> SeriesOf(const QChart& chart) {
  QList<Series*> found;
  for (QAbstractSeries* series : chart.series()) {
    if (auto* s = qobject_cast<Series*>(series)) found << s;
  }
  return found;
}

int Minute(qreal x) {
  const QTime time = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(x)).time();
  return time.hour() * 60 + time.minute();
}

}  // namespace

class OddsHistoryFormTest : public QObject {
  Q_OBJECT

 private:
  FormHarness h;
  OddsHistoryForm* form = nullptr;

  void Open() {
    h.Item("OddsHistory")->trigger();
    form = h.Shown<OddsHistoryForm>();
    QVERIFY(form != nullptr);
  }

 private slots:
  void initTestCase() {
    using namespace mirtote::testing;
    // The race card gives the horses' names.
    RaceCardFields card;
    card.entries = MakeEntries(5);
    WriteMeeting(h.folder.path() / "DATA", "東京19980510", {card}, HorsesFor(card));
    h.Load();
  }

  void withoutSnapshotsTheWindowSaysSo() {
    Open();
    QVERIFY(Child<QLabel>(form, "Note")
                ->text()
                .contains(Q("オッズ履歴にスナップショットがありません")));
    QVERIFY(!Child<QPushButton>(form, "Command1")->isEnabled());
    QVERIFY(form->chart()->series().isEmpty());
    form->close();
  }

  void theChartHasALinePerHorseAndMarksTheFalls() {
    std::vector<RaceSnapshot> snaps;
    for (const auto& [time, win] : kWinOdds) snaps.push_back(Snap(11, time, win));
    snaps.push_back(Snap(10, "1200", {"2.0", "3.0", "4.0", "5.0", "6.0"}));
    Record(h.folder.path(), snaps);
    Open();
    // The race updated last is chosen.
    QCOMPARE(Child<QComboBox>(form, "RaceList")->currentData().toInt(), 10);
    const QList<QLineSeries*> lone = SeriesOf<QLineSeries>(*form->chart());
    QCOMPARE(lone.size(), 5);
    QVERIFY(lone[0]->count() == 1 && lone[0]->pointsVisible());

    auto* races = Child<QComboBox>(form, "RaceList");
    races->setCurrentIndex(races->findData(11));
    const QList<QLineSeries*> lines = SeriesOf<QLineSeries>(*form->chart());
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[1]->name() + lines[2]->name(), Q("2 ウマ２3 ウマ３（取消）"));
    for (int horse = 0; horse < 5; ++horse) {
      // The scratched horse's line ends at its scratching.
      QCOMPARE(lines[horse]->count(), horse == 2 ? 2 : 4);
      for (int i = 0; i < lines[horse]->count(); ++i) {
        const QPointF p = lines[horse]->at(i);
        QCOMPARE(Minute(p.x()), 600 + 15 * i);
        QCOMPARE(p.y(), std::stod(kWinOdds[i].second[horse]));
      }
    }
    const auto axes = form->chart()->axes(Qt::Vertical);
    auto* odds_axis = qobject_cast<QLogValueAxis*>(axes.value(0));
    QVERIFY(odds_axis != nullptr);
    QCOMPARE(odds_axis->min(), 1.0);
    QCOMPARE(odds_axis->max(), 60.0);

    QScatterSeries* drops = nullptr;
    for (QScatterSeries* s : SeriesOf<QScatterSeries>(*form->chart())) {
      if (s->name() == Q(mirtote::ui::kDropSeriesName)) drops = s;
    }
    QVERIFY(drops != nullptr && drops->count() == 1);
    QCOMPARE(Minute(drops->at(0).x()), 630);
    QCOMPARE(drops->at(0).y(), 6.0);
    auto* list = Child<QListWidget>(form, "DropList");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), Q("10:15→10:30  2 ウマ２  11.5 → 6.0  -47.8%"));

    // Place odds: the middle of each range, no falls marked.
    Child<QRadioButton>(form, "Kind_place")->click();
    const QList<QLineSeries*> place = SeriesOf<QLineSeries>(*form->chart());
    QCOMPARE(place[3]->at(3).y(), 30.5);
    QCOMPARE(form->chart()->series().size(), 10);  // lines and their end labels
    Child<QRadioButton>(form, "Kind_win")->click();
  }

  void theCopyIsTheCommandLinesCsvAndTheTableItsRows() {
    std::ostringstream out, err;
    QCOMPARE(mirtote::cli::RunCommandLine(
                 {"odds-history", "--date", "19980510", "--venue", "東京", "--race", "11", "--csv"},
                 h.folder.path(), out, err),
             0);
    h.host.clipboard.clear();
    Child<QPushButton>(form, "Command1")->click();
    QCOMPARE(h.host.clipboard, out.str());
    auto* table = Child<QTableWidget>(form, "SnapshotTable");
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->horizontalHeaderItem(2)->text(), Q("1"));
    QCOMPARE(table->item(2, 4)->text(), Q("-"));
  }

  void theImageIsSavedWhole() {
    const fs::path file = h.folder.path() / "chart.png";
    h.host.save_answers = {file.string()};
    Child<QPushButton>(form, "Command2")->click();
    QCOMPARE(h.host.save_requests.back().default_name, "19980510_東京11R_単勝.png"s);
    QCOMPARE(h.host.save_requests.back().initial_folder, h.folder.path().string());
    QVERIFY(mirtote::testing::ReadFile(file).starts_with("\x89PNG\r\n"));
  }

  // A command of this program is followed at once, another instance's snapshot within the
  // follow interval; the race chosen stays.
  void newSnapshotsAreFollowedKeepingTheChoice() {
    // A run that records: the window leaves the store alone until the run has ended.
    qsizetype during = 0;
    mirtote::app::RunGuardedCommand(h.context, [&] {
      Record(h.folder.path(), {Snap(11, "1100", {"2.5", "4.0", "-", "70.0", "9.0"})});
      form->Follow();
      during = SeriesOf<QLineSeries>(*form->chart())[0]->count();
    });
    QCOMPARE(during, 4);
    QCOMPARE(Child<QComboBox>(form, "RaceList")->currentData().toInt(), 11);
    QCOMPARE(SeriesOf<QLineSeries>(*form->chart())[0]->count(), 5);
    QCOMPARE(qobject_cast<QLogValueAxis*>(form->chart()->axes(Qt::Vertical).value(0))->max(), 70.0);

    Record(h.folder.path(), {Snap(10, "1300", {"2.0", "3.0", "4.0", "5.0", "6.0"})});
    QTRY_VERIFY(Child<QComboBox>(form, "RaceList")->itemText(0).contains(Q("2件")));
    QCOMPARE(Child<QComboBox>(form, "RaceList")->currentData().toInt(), 11);
  }
};

QTEST_MAIN(OddsHistoryFormTest)
#include "odds_history_form_test.moc"
