#include "ui/dialogs/gameover_dialog.h"

#include "ui/dialogs/plain_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo {

namespace {
QPushButton* AddButton(QDialog* dialog, QHBoxLayout* row, const char* caption, const char* name) {
  auto* button = new QPushButton(caption, dialog);
  button->setObjectName(name);
  row->addWidget(button);
  return button;
}
}  // namespace

TfmGameover::TfmGameover(const TGameOverInfo& info, TGameOverForm form, QWidget* parent)
    : QDialog(parent), form_(form) {
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

  if (form == TGameOverForm::Network)
    AddContinue(layout);
  else
    AddQuestion(layout);
}

void TfmGameover::AddQuestion(QVBoxLayout* layout) {
  layout->addWidget(new QLabel("Do you want to play another game?", this));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* yes = AddButton(this, buttons, "&Yes", "bnYes");
  QPushButton* no = AddButton(this, buttons, "&No", "bnNo");
  yes->setDefault(true);
  layout->addLayout(buttons);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmGameover::AddContinue(QVBoxLayout* layout) {
  layout->addWidget(new QLabel("Press OK to continue.", this));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = AddButton(this, buttons, "&OK", "bnOK");
  ok->setDefault(true);
  // The result goes by e-mail through the web services, which this program
  // does not have yet: the button is shown but cannot be used.
  AddButton(this, buttons, "Send &Result", "bnSendResult")->setEnabled(false);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool TfmGameover::AnotherGame() const { return form_ == TGameOverForm::Network || result() == QDialog::Accepted; }

}  // namespace tarvelo
