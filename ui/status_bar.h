#pragma once

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace tarvelo {

struct TPanelTexts;

// The status bar: one line of text (phase, error or hint) and, at its right,
// the hidden lobby panel and the four number panels.
class TStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit TStatusBar(QWidget* parent = nullptr);

  // A phase text in the normal style, or an error in red and bold that is set
  // back to the normal style when the status light goes out (tmLED, 600 ms).
  void ShowText(const QString& text, bool isError);
  QString Text() const;
  bool ShowsError() const { return error_; }
  void SetPanels(const TPanelTexts& texts);
  // "Lobby Active", and the chat lines received since the lobby window was last open.
  void SetLobbyActive(bool active, int newLines = 0);

  QLabel* pnLobby;
  QLabel* pnPCurrMeld;
  QLabel* pnCCurrMeld;
  QLabel* pnPCurrScore;
  QLabel* pnCCurrScore;
  QTimer tmLED;

 private:
  QLabel* Panel(const char* name, int width, const QString& hint);
  void SetErrorStyle(bool error);

  QLabel* text_;
  QLabel* light_;
  bool error_ = false;
  int lobbyWidth_ = 0;  // the "Lobby Active" panel's own width
};

}  // namespace tarvelo
