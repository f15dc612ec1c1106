#include "ui/dialogs/gameover_dialog.h"

#include "ui/dialogs/plain_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo {

TfmGameover::TfmGameover(const TGameOverInfo& info, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Game Over");
  auto* layout = new QVBoxLayout(this);
  // The verdict holds the player's name: shown as typed.
  QLabel* verdict = PlainLabel(QString::fromStdString(info.Verdict), this);
  verdict->setObjectName("lbVerdict");
  QFont font = verdict->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  verdict->setFont(font);
  verdict->setWordWrap(true);
  layout->addWidget(verdict);

  auto* grid = new QGridLayout;
  auto number = [this](int value) {
    auto* label = new QLabel(QString::number(value), this);
    label->setAlignment(Qt::AlignRight);
    return label;
  };
  grid->addWidget(new QLabel("Your score:", this), 0, 0);
  grid->addWidget(number(info.PlayerScore), 0, 1);
  grid->addWidget(PlainLabel(QString::fromStdString(info.OpponentName) + "'s score:", this), 1, 0);
  grid->addWidget(number(info.OpponentScore), 1, 1);
  grid->addWidget(new QLabel("Difference:", this), 2, 0);
  grid->addWidget(number(info.Difference), 2, 1);
  layout->addLayout(grid);

  layout->addWidget(new QLabel("Do you want to play another game?", this));
  auto* buttons = new QHBoxLayout;
  auto* yes = new QPushButton("&Yes", this);
  auto* no = new QPushButton("&No", this);
  yes->setObjectName("bnYes");
  no->setObjectName("bnNo");
  yes->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(yes);
  buttons->addWidget(no);
  layout->addLayout(buttons);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tarvelo
