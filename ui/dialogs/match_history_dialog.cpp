#include "ui/dialogs/match_history_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo {

TfmMatchHistory::TfmMatchHistory(const QStringList& lines, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Match History"));
  resize(600, 260);
  auto* layout = new QVBoxLayout(this);
  auto* list = new QListWidget(this);
  list->setObjectName(QStringLiteral("lbHistory"));
  list->addItems(lines);
  layout->addWidget(list);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("bnOK"));
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tarvelo
