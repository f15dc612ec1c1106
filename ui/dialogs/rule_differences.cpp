#include "ui/dialogs/rule_differences.h"

#include "ui/dialogs/plain_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvelo {

namespace {
// The columns' widths as designed; a column never shows narrower than its
// longest text, so a larger font widens it.
constexpr int ColumnWidths[] = {200, 70, 105};
constexpr int VisibleRows = 6;  // the list's height; more rows scroll

int ColumnWidth(const QTreeWidget& list, int column) {
  QStringList texts;
  if (column == 0)
    for (const std::string_view caption : protocol::RuleCaptions()) texts << QString::fromUtf8(caption);
  else
    texts = {"Yes", "No", "One", "Two"};
  int width = qMax(ColumnWidths[column], list.header()->sectionSizeHint(column));
  for (const QString& text : texts) width = qMax(width, list.fontMetrics().horizontalAdvance(text) + 12);
  return width;
}

QTreeWidget* DifferencesList(QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName("lvDifferences");
  list->setHeaderLabels({"Rule", "Your Setting", "Opponent's Setting"});
  list->setRootIsDecorated(false);
  list->setSortingEnabled(false);
  list->header()->setSectionsClickable(false);
  list->header()->setSectionsMovable(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  int width = 0;
  for (int column = 0; column < 3; ++column) {
    list->setColumnWidth(column, ColumnWidth(*list, column));
    width += list->columnWidth(column);
  }
  // Room for the scroll bar that more rows than fit bring, so no column ever shrinks.
  const int frame = 2 * list->frameWidth();
  list->setFixedWidth(width + frame + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  // A row's height is the style's: measured on a row made for the purpose.
  const auto* sample = new QTreeWidgetItem(list, {"Yes"});
  const int rowHeight = list->sizeHintForRow(0);
  delete sample;
  list->setFixedHeight(list->header()->sizeHint().height() + VisibleRows * rowHeight + frame);
  return list;
}

QLabel* Text(const QString& text, QWidget* parent) {
  QLabel* label = PlainLabel(text, parent);
  label->setWordWrap(true);
  return label;
}
}  // namespace

TfmRuleDifferences::TfmRuleDifferences(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
  setObjectName("fmRuleDifferences");
  setWindowTitle("Rule Differences");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      Text("The following differences in rules exists between you and your opponent. Please resolve "
           "these before starting to play.",
           this));
  lvDifferences_ = DifferencesList(this);
  layout->addWidget(lvDifferences_);
  layout->addWidget(Text("If you agree to use your opponent's rules, press Use Opponent's Rules.", this));
  layout->addWidget(Text("If your opponent agrees to use your rules, (s)he should press Use Opponent's Rules.", this));

  auto* buttons = new QHBoxLayout;
  bnUseOpponent_ = new QPushButton("Use Opponent's Rules", this);
  bnUseOpponent_->setObjectName("bnUseOpponent");
  bnHide_ = new QPushButton("Hide", this);
  bnHide_->setObjectName("bnHide");
  bnHide_->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(bnUseOpponent_);
  buttons->addWidget(bnHide_);
  layout->addLayout(buttons);
  connect(bnUseOpponent_, &QPushButton::clicked, this, [this] {
    emit useOpponentRules();
    hide();
  });
  connect(bnHide_, &QPushButton::clicked, this, &QWidget::hide);

  // As wide as the list, and as high as the wrapped texts need at that width.
  const QMargins margins = layout->contentsMargins();
  const int width = lvDifferences_->width() + margins.left() + margins.right();
  setFixedSize(width, layout->totalHeightForWidth(width));
}

void TfmRuleDifferences::ShowDifferences(const std::vector<protocol::TRuleDifference>& rows) {
  lvDifferences_->clear();
  if (rows.empty()) {
    hide();
    return;
  }
  for (const protocol::TRuleDifference& row : rows)
    new QTreeWidgetItem(lvDifferences_, {QString::fromStdString(row.Caption), QString::fromStdString(row.Own),
                                         QString::fromStdString(row.Opponent)});
  if (mainWindow_) {
    // The inner rectangles are centred: a frame not yet drawn has no size to go by.
    QRect placed(QPoint(), size());
    placed.moveCenter(mainWindow_->geometry().center());
    setGeometry(placed);
  }
  show();
  raise();
}

}  // namespace tarvelo
