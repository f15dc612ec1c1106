#include "ui/player_records.h"

#include "ai/computer_player.h"
#include "ai/computer_settings.h"
#include "store/saved_game_file.h"
#include "store/setting_keys.h"
#include "ui/dialogs/customize_dialog.h"
#include "ui/dialogs/hiscores_dialog.h"
#include "ui/dialogs/match_history_dialog.h"
#include "ui/dialogs/name_input.h"
#include "ui/dialogs/plain_text.h"
#include "ui/dialogs/select_player_dialog.h"
#include "ui/dialogs/win_ratio_dialog.h"

#include <QDir>

namespace tarvelo {

// The level in play is given to the records as the computer's level: the hall of
// fame numbers its tables so, and chooses its network table only by a network game.
static_assert(LevelBeginner == 0 && LevelAdvanced == 1 && LevelExpert == 2 && LevelMaster == MasterHighScoreLevel);

TPlayerRecords::TPlayerRecords(TRegistryEnhanced& store, TSettingsAccess& settings)
    : Statistics(store, settings), settings_(settings) {}

void TPlayerRecords::AddTo(TSessionHooks& hooks) {
  hooks.RecordHandScore = [this](int difference) { Statistics.HandEnded(difference); };
  hooks.RecordMatch = [this](const TGameOverInfo& info) {
    Statistics.MatchEnded(info.PlayerScore, info.OpponentScore, QString::fromStdString(info.OpponentName));
  };
  hooks.RecordAbandonedMatch = [this](const TAbandonedGame& game) {
    Statistics.MatchAbandoned(game.PlayerScore, game.OpponentScore, QString::fromStdString(game.OpponentName));
  };
  hooks.PlayerName = [this] {
    const TPlayerProfile* current = Statistics.Profiles.Current();
    return current ? current->Name.toStdString() : std::string();
  };
}

void TPlayerRecords::Attach(TfmTvlMain& window) {
  window_ = &window;
  window.ConnectAction("Hiscores1", [this] { ShowHiscores(); });
  window.ConnectAction("WinRatio1", [this] { ShowWinRatio(); });
  window.ConnectAction("MatchHistory1", [this] { ShowMatchHistory(); });
  window.ConnectAction("Customize1", [this] { Customize(-1); });
  QObject::connect(&window, &TfmTvlMain::customizeRequested, &window, [this](int page) { Customize(page); });
  TSession& session = window.Session();
  // The one question about a network game the records ask.
  Statistics.NetworkGame = [&session]() -> std::optional<QString> {
    if (!session.NetworkGameActive()) return std::nullopt;
    return QString::fromStdString(session.PeerName());
  };
  Statistics.ComputerLevel = [&session, this] {
    if (const TComputerPlayer* computer = session.Computer()) return computer->Settings.computerLevel;
    return ReadComputerSettings(settings_).computerLevel;
  };
  TRecordPrompts& prompts = Statistics.Prompts;
  prompts.Sound = [this](std::string_view event) { window_->PlaySound(event); };
  prompts.AskName = [this](THighScoreSet set, const QString& preset) {
    const QString caption = set == SetHand ? "Hand Score in Highscore List" : "Match Score in Highscore List";
    return AskName(window_, caption, "Enter your name:", preset).value_or(preset);
  };
  prompts.ShowHallOfFame = [this](THighScoreSet set, int level, int rank) {
    TfmHighscores(Statistics, level, set, rank, window_).exec();
  };
  prompts.WriteFailed = [this](const QString& message) { PlainBox(window_, QMessageBox::Warning, message); };
}

bool TPlayerRecords::SelectPlayerAtStart(QWidget* parent) {
  return tarvelo::SelectPlayerAtStart(Statistics.Profiles, ReadSetting(settings_, Setting::SelectPlayerOnStartup),
                                      parent);
}

void TPlayerRecords::ShowHiscores() { TfmHighscores(Statistics, Statistics.GameLevel(), SetHand, 0, window_).exec(); }

void TPlayerRecords::ShowWinRatio() {
  if (!Statistics.Profiles.Current()) {
    PlainBox(window_, QMessageBox::Information, NoPlayersMessage);
    return;
  }
  TfmWinRatio(Statistics, window_).exec();
}

void TPlayerRecords::ShowMatchHistory() { TfmMatchHistory(Statistics.MatchHistory(), window_).exec(); }

void TPlayerRecords::Customize(int page) {
  TCustomizeContext context;
  context.SizeIndex = window_->SizeIndex;
  context.MaxSizeIndex = window_->MaxSizeIndex;
  context.GameInProgress = window_->Game().Table.GameInProgress;
  context.NetworkGame = Statistics.NetworkGameActive();
  if (!window_->DataFolder.isEmpty()) context.AutoSaveFile = QDir(window_->DataFolder).filePath(AutoSaveFileName);
  context.ApplyWindow = [this](int sizeIndex) { window_->ApplyCustomSettings(sizeIndex); };
  TfmCustomize dialog(settings_, Statistics, context, page, window_);
  if (dialog.exec() == QDialog::Accepted) window_->ApplyCustomSettings(dialog.ChosenSizeIndex());
}

}  // namespace tarvelo
