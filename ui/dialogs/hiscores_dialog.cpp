#include "ui/dialogs/hiscores_dialog.h"

#include "store/statistics.h"
#include "ui/dialogs/plain_text.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>
#include <span>

namespace tarvelo {

namespace {

// A radio button of a group: its caption and its id, the table's number.
struct TChoice {
  const char* Caption;
  int Id;
};

// The levels in their order on the screen, each with the hall of fame's level number.
const TChoice LevelChoices[] = {{"&Beginner", 0},
                                {"&Advanced", 1},
                                {"&Expert", 2},
                                {"Ma&ster", MasterHighScoreLevel},  // "&Match" is the type's
                                {"&Network", NetworkHighScoreLevel}};
const TChoice TypeChoices[] = {{"&Hand", SetHand}, {"&Match", SetMatch}};
// The level's word in the question before clearing, by level number.
const char* const LevelWords[] = {"Beginner", "Advanced", "Expert", "Network", "Master"};
static_assert(std::size(LevelWords) == HighScoreLevels);

QButtonGroup* RadioGroup(QWidget* owner, QBoxLayout* into, const QString& title, const QString& name,
                         std::span<const TChoice> choices, int checked) {
  auto* box = new QGroupBox(title, owner);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (const TChoice& choice : choices) {
    auto* button = new QRadioButton(QString::fromLatin1(choice.Caption), box);
    group->addButton(button, choice.Id);
    button->setChecked(choice.Id == checked);
    layout->addWidget(button);
  }
  into->addWidget(box);
  return group;
}

}  // namespace

TfmHighscores::TfmHighscores(TStatistics& statistics, int level, THighScoreSet set, int newRank, QWidget* parent)
    : QDialog(parent), statistics_(statistics), table_(new QTableWidget(HighScoreRanks, 4, this)), boldRank_(newRank) {
  setWindowTitle(QStringLiteral("Tarvelo Hall of Fame"));
  resize(600, 340);
  auto* layout = new QHBoxLayout(this);
  table_->setObjectName(QStringLiteral("sgScores"));
  table_->setHorizontalHeaderLabels({"Ranking", "Player", "Date", "Score"});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideRight);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table_->setColumnWidth(0, 64);
  table_->setColumnWidth(2, 100);
  table_->setColumnWidth(3, 64);
  table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                           HighScoreRanks * table_->verticalHeader()->defaultSectionSize() + 4);
  layout->addWidget(table_, 1);

  auto* side = new QVBoxLayout;
  // A level without a table of its own shows the Expert's.
  const int shown = level >= 0 && level < HighScoreLevels ? level : 2;
  rgLevel_ = RadioGroup(this, side, "&Level", "rgLevel", LevelChoices, shown);
  rgType_ = RadioGroup(this, side, "&Type of Highscore", "rgType", TypeChoices, set);
  side->addStretch();
  auto* clear = new QPushButton(QStringLiteral("&Clear"), this);
  clear->setObjectName(QStringLiteral("bnClear"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("bnOK"));
  ok->setDefault(true);
  side->addWidget(clear);
  side->addWidget(ok);
  layout->addLayout(side);

  for (QButtonGroup* group : {rgLevel_, rgType_})
    connect(group, &QButtonGroup::idClicked, this, [this] {
      boldRank_ = 0;  // another table: normal fonts
      ShowTable();
    });
  connect(clear, &QPushButton::clicked, this, &TfmHighscores::Clear);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ShowTable();
}

int TfmHighscores::Level() const { return rgLevel_->checkedId(); }
THighScoreSet TfmHighscores::Set() const { return rgType_->checkedId() == SetMatch ? SetMatch : SetHand; }

void TfmHighscores::ShowTable() {
  const THighScoreTable& entries = statistics_.HighScores.Table(Set(), Level());
  for (int rank = 1; rank <= HighScoreRanks; ++rank) {
    const THighScoreEntry& entry = entries[rank - 1];
    const bool empty = entry.Name.isEmpty();
    const QString texts[] = {QString::number(rank), empty ? QStringLiteral("< Empty >") : entry.Name, entry.Date,
                             empty && entry.Score == 0 ? QString() : QString::number(entry.Score)};
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(texts[column]);
      if (column == 0 || column == 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      QFont font = item->font();
      font.setBold(rank == boldRank_ && column == 1);
      item->setFont(font);
      table_->setItem(rank - 1, column, item);
    }
  }
}

void TfmHighscores::Clear() {
  const int level = Level();
  if (!PlainQuestion(this, QStringLiteral("Are you sure you want to clear all highscores for the ") +
                               QString::fromLatin1(LevelWords[level]) + QStringLiteral(" level?")))
    return;
  statistics_.ClearHighScores(Set(), level);
  boldRank_ = 0;
  ShowTable();
}

}  // namespace tarvelo
