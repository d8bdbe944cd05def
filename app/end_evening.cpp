#include "app/end_evening.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/counted_text.h"
#include "app/dialog_above.h"
#include "app/session_readout.h"

namespace vellaro::app {

QString EndEveningQuestion(const vellaro::RealResult::Counts& counts, const QString& then) {
  const QString spins = CountText(counts.spins, "spin", "spins");
  return QCoreApplication::translate("EndEvening", "End this evening — %1, net %2 — and %3?")
      .arg(spins, SessionReadout::Net(counts.net), then);
}

bool AskToEndEvening(QWidget* window, const QString& question) {
  // A child of the window, modal to it alone: it stays above the window, which is always on
  // top, and the panel's window goes on answering.
  QMessageBox box(QMessageBox::Question, QStringLiteral("Vellaro"), question, QMessageBox::NoButton,
                  window);
  box.setObjectName(QString::fromLatin1(kEndEveningBox));
  box.setWindowModality(Qt::WindowModal);
  QPushButton* end =
      box.addButton(QCoreApplication::translate("EndEvening", "End it"), QMessageBox::AcceptRole);
  end->setObjectName(QString::fromLatin1(kEndEveningYes));
  QPushButton* keep = box.addButton(QCoreApplication::translate("EndEvening", "Keep playing"),
                                    QMessageBox::RejectRole);
  keep->setObjectName(QString::fromLatin1(kEndEveningNo));
  box.setDefaultButton(keep);
  box.setEscapeButton(keep);
  StandAbove(box);
  box.exec();
  return box.clickedButton() == end;
}

}  // namespace vellaro::app
