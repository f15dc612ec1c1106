#include "ui/dialogs/select_player_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo {

TfmSelectPlayer::TfmSelectPlayer(const TPlayerProfiles& profiles, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), lbPlayers_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("Select Player"));
  setFixedSize(321, 180);
  auto* layout = new QVBoxLayout(this);
  lbPlayers_->setObjectName(QStringLiteral("lbPlayers"));
  for (const TPlayerProfile& profile : profiles.List) lbPlayers_->addItem(profile.Name);
  lbPlayers_->setCurrentRow(profiles.CurrentPlayer);
  layout->addWidget(lbPlayers_);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("bnOK"));
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(lbPlayers_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TfmSelectPlayer::Selected() const { return lbPlayers_->currentRow(); }

bool SelectPlayerAtStart(TPlayerProfiles& profiles, bool askAtStart, QWidget* parent) {
  if (profiles.List.size() < 2 || !askAtStart) return false;
  TfmSelectPlayer chooser(profiles, parent);
  if (chooser.exec() == QDialog::Accepted && chooser.Selected() >= 0) profiles.CurrentPlayer = chooser.Selected();
  return true;
}

}  // namespace tarvelo
