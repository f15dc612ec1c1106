#include "ui/dialogs/scoring_dialog.h"

#include "ui/dialogs/plain_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo {

namespace {
QLabel* Number(int value, QWidget* parent) {
  auto* label = new QLabel(QString::number(value), parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QLabel* Bold(const QString& text, QWidget* parent) {
  QLabel* label = PlainLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}
}  // namespace

TfmScoring::TfmScoring(const THandResults& r, std::function<void()> showDetails, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Scoring Results");
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Your Score:", this), 0, 0);
  grid->addWidget(Number(r.Player.Total(), this), 0, 1);
  grid->addWidget(PlainLabel(QString::fromStdString(r.OpponentName) + "'s Score:", this), 1, 0);
  grid->addWidget(Number(r.Opponent.Total(), this), 1, 1);
  grid->addWidget(Bold("Difference:", this), 2, 0);
  grid->addWidget(Number(r.Difference(), this), 2, 1);
  grid->setColumnMinimumWidth(1, 60);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("OK", this);
  auto* details = new QPushButton("&Details >>", this);
  ok->setObjectName("bnOK");
  details->setObjectName("bnDetails");
  ok->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(details);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(details, &QPushButton::clicked, this, [showDetails] {
    if (showDetails) showDetails();
  });
}

TfmDetails::TfmDetails(const THandResults& r, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Detailed Scoring Results");
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  const char* captions[ScoreRowCount] = {"Cards on the Table", "Cards in Hand", "Canastas",
                                         "Red Threes",         "Finish Bonus",  "TOTAL"};
  grid->addWidget(Bold(QString::fromStdString(r.PlayerName), this), 0, 1, 1, 2, Qt::AlignCenter);
  grid->addWidget(Bold(QString::fromStdString(r.OpponentName), this), 0, 3, 1, 2, Qt::AlignCenter);
  for (int row = 0; row < ScoreRowCount; ++row) {
    const bool total = row == RowTotal;
    grid->addWidget(total ? Bold(captions[row], this) : new QLabel(captions[row], this), row + 1, 0);
    int column = 1;
    for (const THandScore* seat : {&r.Player, &r.Opponent}) {
      // Counts are shown for the four rows that count cards.
      if (row <= RowRedThrees) grid->addWidget(Number(seat->Rows[row].Count, this), row + 1, column);
      grid->addWidget(Number(seat->Rows[row].Value, this), row + 1, column + 1);
      column += 2;
    }
  }
  for (int c = 1; c <= 4; ++c) grid->setColumnMinimumWidth(c, 50);
  layout->addLayout(grid);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace tarvelo
