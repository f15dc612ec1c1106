#include "ui/dialogs/win_ratio_dialog.h"

#include "store/statistics.h"
#include "store/win_ratio.h"
#include "ui/dialogs/plain_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <numeric>

namespace tarvelo {

const char* const NoPlayersMessage =
    "There are no players defined to show statistics for. To create players, select "
    "Options|Customize...|Player and press 'New...'";

TfmWinRatio::TfmWinRatio(TStatistics& statistics, QWidget* parent)
    : QDialog(parent), statistics_(statistics), cbPlayer_(new QComboBox(this)) {
  setWindowTitle(QStringLiteral("Win Ratio"));
  resize(233, 174);
  auto* grid = new QGridLayout(this);
  cbPlayer_->setObjectName(QStringLiteral("cbPlayer"));
  const std::vector<TPlayerProfile>& list = statistics_.Profiles.List;
  std::vector<int> order(list.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return QString::localeAwareCompare(list[a].Name, list[b].Name) < 0; });
  for (int index : order) {
    cbPlayer_->addItem(list[index].Name, index);
    if (index == statistics_.Profiles.CurrentPlayer) cbPlayer_->setCurrentIndex(cbPlayer_->count() - 1);
  }
  grid->addWidget(new QLabel(QStringLiteral("Player"), this), 0, 0);
  grid->addWidget(cbPlayer_, 0, 1, 1, 2);
  auto figure = [this, grid](int row, const char* caption, const char* name) {
    grid->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
    QLabel* value = PlainLabel(QString(), this);
    value->setObjectName(QString::fromLatin1(name));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, row, 1);
    return value;
  };
  lbWins_ = figure(1, "Wins:", "lbWins");
  lbLosses_ = figure(2, "Losses:", "lbLosses");
  lbRatio_ = figure(3, "Ratio:", "lbRatio");
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("bnOK"));
  ok->setDefault(true);
  auto* reset = new QPushButton(QStringLiteral("&Reset"), this);
  reset->setObjectName(QStringLiteral("bnReset"));
  reset->setEnabled(!list.empty());
  buttons->addWidget(ok);
  buttons->addWidget(reset);
  grid->addLayout(buttons, 4, 0, 1, 3);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(reset, &QPushButton::clicked, this, &TfmWinRatio::Reset);
  connect(cbPlayer_, &QComboBox::currentIndexChanged, this, &TfmWinRatio::ShowFigures);
  ShowFigures();
}

int TfmWinRatio::ProfileIndex() const { return cbPlayer_->currentIndex() < 0 ? -1 : cbPlayer_->currentData().toInt(); }

void TfmWinRatio::ShowFigures() {
  const int index = ProfileIndex();
  if (index < 0) return;
  const TWinRatio& ratio = *statistics_.Profiles.List[index].WinRatio;
  lbWins_->setText(QString::number(ratio.Wins));
  lbLosses_->setText(QString::number(ratio.Losses));
  lbRatio_->setText(RatioText(ratio.Wins, ratio.Losses));
}

void TfmWinRatio::Reset() {
  const int index = ProfileIndex();
  if (index < 0) return;
  if (!PlainQuestion(this, QStringLiteral("Do you want to reset the win ratio statistics for player ") +
                               statistics_.Profiles.List[index].Name + QStringLiteral("?")))
    return;
  statistics_.ResetWinRatio(index);
  ShowFigures();
}

}  // namespace tarvelo
