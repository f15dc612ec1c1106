#include "store/setting_keys.h"
#include "ui/dialogs/rules_dialog.h"
#include "ui/help_window.h"
#include "ui/small_windows.h"
#include "ui/tvlmain.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>

namespace tarvelo {

QAction* TfmTvlMain::AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                             const QKeySequence& shortcut, std::function<void()> action) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setStatusTip(hint);
  item->setShortcut(shortcut);
  // Items whose part of the program is not there do nothing, so they are disabled.
  item->setEnabled(static_cast<bool>(action));
  if (action) connect(item, &QAction::triggered, this, [this, action] { session_.Guarded(action); });
  return item;
}

QAction* TfmTvlMain::Action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void TfmTvlMain::ConnectAction(const QString& objectName, std::function<void()> action) {
  QAction* item = Action(objectName);
  if (!item) return;
  item->setEnabled(true);
  connect(item, &QAction::triggered, this, [this, action = std::move(action)] { session_.Guarded(action); });
}

void TfmTvlMain::BuildMenus() {
  QMenu* game = menuBar()->addMenu("&Game");
  AddItem(game, "New1", "&New", "Start a new Tarvelo game", Qt::Key_F2, [this] { session_.NewGame(); });
  AddItem(game, "Load1", "&Load...", "Load a saved game", Qt::Key_F3, {});
  AddItem(game, "Save1", "&Save...", "Save the current game", Qt::Key_F4, {});
  game->addSeparator();
  AddItem(game, "Hiscores1", "&Hiscores...", "Show the hall of fame", {}, {});
  AddItem(game, "WinRatio1", "&Win Ratio...", "Show the win ratio of each player", {}, {});
  AddItem(game, "MatchHistory1", "&Match History...", "Show the results of the latest matches", {}, {});
  game->addSeparator();
  AddItem(game, "UndoMeld1", "&Undo Meld", "Undo the last meld, if any", Qt::Key_Delete, [this] {
    session_.UndoMeld();
  })->setEnabled(false);
  AddItem(game, "UndoAll1", "Undo &All", "Undo all melds since your last discard or taking of the discard pile, if any",
          QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { session_.UndoAll(); })
      ->setEnabled(false);
  game->addSeparator();
  AddItem(game, "Exit1", "E&xit", "Quit Tarvelo", {}, [this] { close(); });

  QMenu* options = menuBar()->addMenu("&Options");
  AddItem(options, "Customize1", "&Customize...",
          "Create players, set the computer level and change the window size and color", {}, {});
  AddItem(options, "Decks1", "&Decks...", "Choose the backs of the two decks", {}, [this] { EditDecks(); });
  AddItem(options, "Sound1", "&Sound...", "Set the sounds and the background music", {}, {});
  AddItem(options, "Ladder1", "&Ladder...", "Set the ladder options", {}, {})->setVisible(false);
  AddItem(options, "Rules1", "&Rules...", "Adjust the rules of Canasta to your local variant", {},
          [this] { EditRules(); });

  QMenu* network = menuBar()->addMenu("&Network");
  AddItem(network, "Lobby1", "Lobby...", "Meet other players in the internet lobby", Qt::Key_F5, {});
  AddItem(network, "ConnecttoOpponent1", "&Connect to Opponent...", "Connect to an opponent", {}, {})
      ->setVisible(false);
  // The network items wait for a network game (SetNetworkMenu).
  AddItem(network, "RuleDifferences1", "&Rule Differences...", "Compare your rules with your opponent's", {}, [this] {
    emit ruleDifferencesRequested();
  })->setEnabled(false);
  AddItem(network, "Disconnect1", "&Disconnect", "End the network game", {}, [this] {
    Disconnect();
  })->setEnabled(false);
  AddItem(network, "RequestListing1", "Request &Listing", "Request the list of players", {}, {})->setVisible(false);
  QAction* chatOnTop = AddItem(network, "ChatOnTop1", "&Chat window always on top",
                               "Keep the chat window in front of the table", {}, {});
  chatOnTop->setCheckable(true);
  chatOnTop->setChecked(ReadSetting(settings_, Setting::ChatOnTop));
  AddItem(network, "ProxySettings1", "Proxy Settings...", "Set the proxy server for the internet connection", {}, {});

  QMenu* help = menuBar()->addMenu("&Help");
  AddItem(help, "HelpTopics1", "&Help Topics", "Show the help", Qt::Key_F1, [this] { HelpTopics(); });
  AddItem(help, "HomePage1", "&Tarvelo Home Page", "Visit the Tarvelo home page", {}, {});
  AddItem(help, "CheckUpgrade1", "Check &Upgrade...", "Check for a newer version of Tarvelo", {}, {});
  AddItem(help, "About1", "&About...", "Show the version of Tarvelo", {}, [this] {
    PlaySound("About");
    TfmAbout(this).exec();
  });
}

void TfmTvlMain::HelpTopics() {
  static const char* sounds[] = {"Help (1st)", "Help (2nd)", "Help (3rd)"};
  PlaySound(sounds[helpPresses_++ % 3]);
  if (!help_) help_ = new THelpWindow(this);
  help_->ShowTopic(0);
}

void TfmTvlMain::EditRules(int page) {
  TfmRules dialog(
      Game(), [this](const TRuleSettings& rules) { session_.ApplyRules(rules); }, page, this);
  if (dialog.exec() == QDialog::Accepted) emit rulesConfirmed();
}

}  // namespace tarvelo
