#include "ui/status_bar.h"

#include "ui/table_view.h"

#include <QLabel>

namespace tarvelo {

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName("pnStatusbar");
  setSizeGripEnabled(false);
  text_ = new QLabel(this);
  text_->setObjectName("pnStatusText");
  addWidget(text_, 1);
  light_ = new QLabel(this);
  light_->setFixedSize(10, 10);
  addWidget(light_);
  pnLobby = Panel("pnLobby", 81, "Lobby Information");
  pnLobby->setText("Lobby Active");
  QFont bold = pnLobby->font();
  bold.setBold(true);
  pnLobby->setFont(bold);
  pnLobby->hide();
  lobbyWidth_ = pnLobby->minimumWidth();
  pnPCurrMeld = Panel("pnPCurrMeld", 50, "Your Current Meld (and Current Minimum)");
  pnCCurrMeld = Panel("pnCCurrMeld", 34, "Opponent's Current Meld");
  pnPCurrScore = Panel("pnPCurrScore", 34, "Your Current Score");
  pnCCurrScore = Panel("pnCCurrScore", 34, "Opponent's Current Score");
  tmLED.setSingleShot(true);
  tmLED.setInterval(600);
  connect(&tmLED, &QTimer::timeout, this, [this] { SetErrorStyle(false); });
  SetErrorStyle(false);
}

QLabel* TStatusBar::Panel(const char* name, int width, const QString& hint) {
  auto* panel = new QLabel("0", this);
  panel->setObjectName(name);
  panel->setToolTip(hint);
  panel->setAlignment(Qt::AlignCenter);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // The design's widths are in small-font pixels; never narrower than a score needs.
  panel->setMinimumWidth(qMax(width, fontMetrics().horizontalAdvance(width > 40 ? "88888 (120)" : "-88888") + 8));
  addPermanentWidget(panel);
  return panel;
}

void TStatusBar::ShowText(const QString& text, bool isError) {
  clearMessage();
  text_->setText(text);
  error_ = isError;
  SetErrorStyle(isError);
  if (isError)
    tmLED.start();
  else
    tmLED.stop();
}

QString TStatusBar::Text() const { return text_->text(); }

void TStatusBar::SetErrorStyle(bool error) {
  text_->setStyleSheet(error ? "color: red; font-weight: bold" : "");
  light_->setStyleSheet(error ? "background: red; border-radius: 5px" : "background: transparent");
}

void TStatusBar::SetPanels(const TPanelTexts& texts) {
  pnPCurrMeld->setText(texts.PlayerMeld);
  pnCCurrMeld->setText(texts.OpponentMeld);
  pnPCurrScore->setText(texts.PlayerScore);
  pnCCurrScore->setText(texts.OpponentScore);
}

void TStatusBar::SetLobbyActive(bool active, int newLines) {
  pnLobby->setText(newLines > 0 ? QString("Lobby Active (%1 new)").arg(newLines) : QString("Lobby Active"));
  // The panel widens for the count, and never shrinks below its own width.
  pnLobby->setMinimumWidth(qMax(lobbyWidth_, pnLobby->fontMetrics().horizontalAdvance(pnLobby->text()) + 12));
  pnLobby->setVisible(active);
}

}  // namespace tarvelo
