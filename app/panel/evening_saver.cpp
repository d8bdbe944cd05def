#include "app/panel/evening_saver.h"

#include <QChartView>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "app/panel/evening_saving.h"
#include "app/panel/session_chart.h"
#include "app/panel/session_picker.h"
#include "session/risk_text.h"

namespace vellaro::app {

namespace {

// Asks for a file name and saves with `save`, saying in the note what went wrong.
template <typename Save>
void AskAndSave(QWidget& parent, SessionPicker& note, const QString& title, const QString& filter,
                Save save) {
  const QString path = QFileDialog::getSaveFileName(&parent, title, QString(), filter);
  if (path.isEmpty()) return;
  const QString why = save(path);
  if (!why.isEmpty()) note.SetNote(why);
}

}  // namespace

EveningSaver::EveningSaver(const vellaro::Game& game, const vellaro::SessionTrack& track,
                           std::string journal_path, const SessionPicker& picker,
                           SessionChart& chart)
    : game_(game),
      track_(track),
      journal_path_(std::move(journal_path)),
      picker_(picker),
      chart_(chart) {}

void EveningSaver::AddButtons(QHBoxLayout& row, QWidget& parent, SessionPicker& note) {
  auto* report =
      new QPushButton(QCoreApplication::translate("SessionPanel", "Save report…"), &parent);
  report->setObjectName(QStringLiteral("SaveReport"));
  report->setToolTip(
      QCoreApplication::translate("SessionPanel",
                                  "The evening on show as one HTML page with its chart "
                                  "and statistics, as vellaro-sim --report writes it"));
  QObject::connect(report, &QPushButton::clicked, &parent, [this, &parent, &note] {
    AskAndSave(parent, note, QCoreApplication::translate("SessionPanel", "Save the report page"),
               QCoreApplication::translate("SessionPanel", "Web page (*.html)"),
               [this](const QString& path) { return SaveReport(path); });
  });
  row.addWidget(report);
  auto* chart =
      new QPushButton(QCoreApplication::translate("SessionPanel", "Save chart…"), &parent);
  chart->setObjectName(QStringLiteral("SaveChart"));
  chart->setToolTip(
      QCoreApplication::translate("SessionPanel", "The chart as a PNG picture, or as SVG"));
  QObject::connect(chart, &QPushButton::clicked, &parent, [this, &parent, &note] {
    AskAndSave(
        parent, note, QCoreApplication::translate("SessionPanel", "Save the chart"),
        QCoreApplication::translate("SessionPanel", "PNG picture (*.png);;SVG picture (*.svg)"),
        [this](const QString& path) { return SaveChart(path); });
  });
  row.addWidget(chart);
}

QString EveningSaver::SaveReport(const QString& path) const {
  if (const PastEvening* past = picker_.past()) {
    vellaro::EveningPageText text = vellaro::StoredEveningText("Vellaro", journal_path_, past->id);
    text.next_bet = vellaro::NextBetLines(past->evening.risk.next);
    return SaveEveningPage(path, text, past->evening.track, vellaro::DatabaseFiles(journal_path_));
  }
  vellaro::EveningPageText text = vellaro::LiveEveningText("Vellaro");
  text.next_bet = vellaro::NextBetLines(vellaro::NextBetOf(game_));
  return SaveEveningPage(path, text, track_, vellaro::DatabaseFiles(journal_path_));
}

QString EveningSaver::SaveChart(const QString& path) const {
  const PastEvening* past = picker_.past();
  const vellaro::SessionTrack& track = past != nullptr ? past->evening.track : track_;
  // The chart alone, without the bar that picks the spins shown.
  QWidget* view = chart_.findChild<QChartView*>();
  return SaveEveningChart(path, track.points(), view != nullptr ? *view : chart_,
                          vellaro::DatabaseFiles(journal_path_));
}

}  // namespace vellaro::app
