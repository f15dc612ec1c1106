#include "net/selfplay/headless_side.h"

#include "engine/rules.h"

#include <QDir>

namespace tarvelo {

THeadlessSide::THeadlessSide(std::string nick, const TComputerSettings& level, const TRuleSettings& rules,
                             std::uint32_t seed, const QString& folder)
    : nick_(std::move(nick)),
      store_(QDir(folder).filePath("Tarvelo.conf"), QDir(folder).filePath("machine.conf")),
      player_(level) {
  TSessionHooks records;
  records.RecordMatch = [this](const TGameOverInfo& info) {
    if (MatchOver) MatchOver(info);
  };
  records.RecordHandScore = [this](int) {
    if (HandScored) HandScored();
  };
  session_ = std::make_unique<TSession>(settings_, records, seed);
  session_->SetDisplay(&display_);
  // Both sides play by the match's rules: the dealer deals only while they agree.
  StoreRules(*session_, rules);
  session_->MutableGame().LoadRules();
  session_->SeatComputer();
  network_ = std::make_unique<TNetworkGame>(*session_, client_);
  client_.SetRoute(network_->Route());
  connect(&client_, &TLobbyClient::PrivateCommand, this, [this](const std::string& sender, const std::string& text) {
    invitations_.HandlePrivateCommand(sender, text);
  });
  connect(&invitations_, &TInvitations::MatchAgreed, this,
          [this](int role, const std::string& local, const std::string& remote, const std::string& room) {
            network_->Start(role, local, remote, room);
          });
  connect(
      &invitations_, &TInvitations::QuestionPosted, this, [this] { invitations_.Answer(true); }, Qt::QueuedConnection);
  connect(session_.get(), &TSession::tableChanged, this, &THeadlessSide::PostTurn);
}

THeadlessSide::~THeadlessSide() {
  network_->End();
  network_.reset();
}

void THeadlessSide::LogIn(const QString& host, quint16 port) {
  client_.SetServer(host.toStdString(), port);
  client_.ChooseRoomType(JustForFun, "");
  client_.LogIn(nick_, "selfplay-" + nick_);
}

bool THeadlessSide::LoggedIn() const { return client_.Lobby().LobbyState == InLobby; }

// Once the engine is idle: the turn is played outside the call that handed it over.
void THeadlessSide::PostTurn() {
  if (turnPosted_) return;
  turnPosted_ = true;
  session_->Post([this] {
    turnPosted_ = false;
    PlayIfOnTurn();
  });
}

void THeadlessSide::PlayIfOnTurn() {
  if (!network_->HandshakeDone() || !session_->Game().PlayerOnTurn()) return;
  session_->Guarded([this] {
    if (!player_.PlayTurn(session_->MutableGame())) ++refusedTurns_;
  });
}

}  // namespace tarvelo
