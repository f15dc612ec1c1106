#include "lobby/window/lobby_window.h"

#include "store/setting_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tarvelo {
namespace {

QColor ColorOfBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
int BgrOf(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint, QRect place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setStatusTip(hint);
  button->setGeometry(place);
  button->setAutoDefault(false);
  return button;
}

QLabel* Label(QWidget* parent, const QString& caption, QRect place) {
  auto* label = new QLabel(caption, parent);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(place);
  return label;
}

void SetBase(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, color);
  widget->setPalette(palette);
}

}  // namespace

TfmLobbyGS::TfmLobbyGS(TLobbyClient& client, TRegistryTarvelo& store, TLobbyWindowHooks hooks, QWidget* parent)
    : QDialog(parent), client_(client), store_(store), hooks_(std::move(hooks)) {
  setObjectName("fmLobbyGS");
  setWindowTitle("Tarvelo Online Lobby");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(622, 443);
  BuildControls();
  BuildChatMenu();
  BackgroundColor = QApplication::palette().color(QPalette::Base);
  ListenToClient();
}

TfmLobbyGS::~TfmLobbyGS() { SetBusyCursor(false); }

void TfmLobbyGS::BuildControls() {
  bnLogin = Button(this, "bnLogin", "Log&in", "Log in to the Tarvelo game lobby", {8, 8, 90, 26});
  Label(this, "Your Nickname:", {108, 12, 96, 18});
  edNickname = new QLineEdit(this);
  edNickname->setObjectName("edNickname");
  edNickname->setGeometry(206, 9, 194, 24);
  edNickname->setToolTip("Enter the name you want to use for online play");

  auto* rgGameType = new QGroupBox("Type of game:", this);
  rgGameType->setObjectName("rgGameType");
  rgGameType->setGeometry(8, 40, 392, 52);
  const char* captions[] = {"Just for fun", "Competition", "Private Room"};
  // Each choice as wide as its caption, the private room's field in what is left.
  int x = 10;
  for (int i = 0; i < 3; ++i) {
    rbType[i] = new QRadioButton(captions[i], rgGameType);
    rbType[i]->setGeometry(x, 22, rbType[i]->sizeHint().width(), 22);
    x += rbType[i]->sizeHint().width() + 6;
    connect(rbType[i], &QRadioButton::clicked, this, [this, i] { GameTypeChanged(i); });
  }
  edPrivateRoom = new QLineEdit(rgGameType);
  edPrivateRoom->setObjectName("edPrivateRoom");
  edPrivateRoom->setGeometry(x, 21, qMax(60, 384 - x), 24);

  Label(this, "Chat", {8, 96, 200, 18});
  meChat = new QPlainTextEdit(this);
  meChat->setObjectName("meChat");
  meChat->setReadOnly(true);
  meChat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  meChat->setGeometry(8, 114, 392, 270);
  lbHint = Label(this, "Type your message below and press Enter to chat", {8, 388, 392, 18});
  edInput = new QLineEdit(this);
  edInput->setObjectName("edInput");
  edInput->setGeometry(8, 410, 310, 26);
  bnSend = Button(this, "bnSend", "Send", QString(), {324, 410, 76, 26});
  bnSend->setDefault(true);

  Label(this, "Available Players", {410, 8, 204, 18});
  lbPlayers = new QListWidget(this);
  lbPlayers->setObjectName("lbPlayers");
  lbPlayers->setGeometry(410, 26, 204, 170);
  bnInvite = Button(this, "bnInvite", "In&vite", "Start a game with the selected player", {410, 200, 100, 26});
  bnCancel = Button(this, "bnCancel", "&Cancel", "Stop waiting for the other player to respond", {514, 200, 100, 26});
  Label(this, "Now Playing", {410, 232, 204, 18});
  lbPlaying = new QListWidget(this);
  lbPlaying->setObjectName("lbPlaying");
  lbPlaying->setGeometry(410, 250, 204, 150);
  bnLogout = Button(this, "bnLogout", "Log&out", "Log out from the Tarvelo game lobby", {410, 410, 74, 26});
  bnClose = Button(this, "bnClose", "C&lose", "Leave the lobby screen without logging out", {488, 410, 126, 26});

  connect(bnLogin, &QPushButton::clicked, this, &TfmLobbyGS::LobbyLogin);
  connect(bnLogout, &QPushButton::clicked, this, &TfmLobbyGS::LobbyLogout);
  connect(bnClose, &QPushButton::clicked, this, &TfmLobbyGS::reject);
  connect(bnSend, &QPushButton::clicked, this, &TfmLobbyGS::Send);
  connect(edInput, &QLineEdit::returnPressed, this, &TfmLobbyGS::Send);
  connect(edNickname, &QLineEdit::textChanged, this, &TfmLobbyGS::UpdateLobbyButtons);
  connect(edNickname, &QLineEdit::editingFinished, this, &TfmLobbyGS::SanitizeNickname);
  connect(lbPlayers, &QListWidget::itemSelectionChanged, this, &TfmLobbyGS::UpdateLobbyButtons);
  auto invite = [this] {
    if (bnInvite->isEnabled() && hooks_.InviteSelected && lbPlayers->currentItem()) {
      hooks_.InviteSelected(Latin1(lbPlayers->currentItem()->text()));
    }
    UpdateLobbyButtons();
  };
  connect(bnInvite, &QPushButton::clicked, this, invite);
  connect(lbPlayers, &QListWidget::itemDoubleClicked, this, invite);
  connect(bnCancel, &QPushButton::clicked, this, [this] {
    if (hooks_.CancelInvitation) hooks_.CancelInvitation();
    UpdateLobbyButtons();
  });
}

void TfmLobbyGS::BuildChatMenu() {
  meChat->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* menu = new QMenu(this);
  miFont = menu->addAction("&Font...", this, &TfmLobbyGS::ChooseFont);
  miColor = menu->addAction("Co&lor...", this, &TfmLobbyGS::ChooseColor);
  menu->addSeparator();
  miCopy = menu->addAction("Copy to clipboard", this, &TfmLobbyGS::CopyChat);
  miCopy->setShortcut(QKeySequence::Copy);
  miCopy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  meChat->addAction(miCopy);
  connect(meChat, &QWidget::customContextMenuRequested, this,
          [this, menu](const QPoint& at) { menu->popup(meChat->mapToGlobal(at)); });
}

void TfmLobbyGS::Open(bool autoLogin) {
  const TFontRecord font = store_.ReadFont("Lobby");
  if (!font.Name.isEmpty()) {
    QFont chosen(font.Name, font.Size > 0 ? font.Size : 9);
    chosen.setBold(font.Bold);
    chosen.setItalic(font.Italic);
    chosen.setUnderline(font.Underline);
    chosen.setStrikeOut(font.StrikeOut);
    ApplyFont(chosen);
  }
  LoadLobbySettings();
  client_.Refresh();
  ShowLists();
  if (Lobby().LobbyState == NotConnected && autoLogin) LobbyLogin();
}

void TfmLobbyGS::LoadLobbySettings() {
  const std::string player = hooks_.CurrentPlayerName ? hooks_.CurrentPlayerName() : std::string();
  edNickname->setText(store_.ReadSetting(PathOf(Setting::Username), QString::fromStdString(player)).toString());
  client_.SetServer(Latin1(store_.ReadSetting(PathOf(Setting::Server)).toString()),
                    store_.ReadSetting(PathOf(Setting::Port)).toInt());
  edPrivateRoom->setText(store_.ReadSetting(PathOf(Setting::PrivateLobbyRoom)).toString());
  // A lobby already entered keeps its room; the stored type counts for the next login.
  if (Lobby().LobbyState == NotConnected) {
    client_.ChooseRoomType(qBound(0, store_.ReadSetting(PathOf(Setting::GameType)).toInt(), 2),
                           Latin1(edPrivateRoom->text()));
  }
  rbType[Lobby().LobbyType]->setChecked(true);
  // The system window colour is the background of text fields.
  const int system = BgrOf(QApplication::palette().color(QPalette::Base));
  BackgroundColor = ColorOfBgr(store_.ReadSetting(PathOf(Setting::LobbyBackgroundColor), system).toInt());
}

void TfmLobbyGS::SaveLobbySettings() {
  store_.WriteValue(PathOf(Setting::Username), edNickname->text());
  store_.WriteValue(PathOf(Setting::GameType), static_cast<int>(Lobby().LobbyType));
  store_.WriteValue(PathOf(Setting::PrivateLobbyRoom), edPrivateRoom->text());
  store_.WriteValue(PathOf(Setting::LobbyBackgroundColor), BgrOf(BackgroundColor));
}

// A private room needs its name: without one, everyone who left the field empty would meet there.
bool TfmLobbyGS::PrivateRoomNamed(int type) {
  if (type != PrivateRoomType || !edPrivateRoom->text().isEmpty()) return true;
  QMessageBox::information(this, windowTitle(),
                           "Please enter the name of the private lobby room in the \"Private Room\" field.\n"
                           "Only people who know this name can log in to the private lobby.\n\n"
                           "This is often used for tournaments, or when you want to play with a particular "
                           "person only.");
  return false;
}

void TfmLobbyGS::LobbyLogin() {
  if (!PrivateRoomNamed(CheckedType())) return;
  if (Lobby().LobbyState != NotConnected) return;
  client_.ChooseRoomType(CheckedType(), Latin1(edPrivateRoom->text()));
  // Returns at once: the outcome comes by the client's signals.
  client_.LogIn(Latin1(edNickname->text()), hooks_.Credential ? hooks_.Credential() : std::string());
  UpdateLobbyButtons();
}

void TfmLobbyGS::LobbyLogout() {
  client_.LogOut();
  UpdateLobbyButtons();
}

void TfmLobbyGS::GameTypeChanged(int index) {
  // In the lobby the change enters the room at once (the field is closed then):
  // without a name the player stays in the room they are in.
  if (Lobby().LobbyState != NotConnected && !PrivateRoomNamed(index)) {
    rbType[Lobby().LobbyType]->setChecked(true);
    return;
  }
  client_.ChooseRoomType(index, Latin1(edPrivateRoom->text()));
  UpdateLobbyButtons();
}

void TfmLobbyGS::SanitizeNickname() {
  QString nick = edNickname->text().left(16);
  for (QChar& c : nick) {
    if (c == ' ' || c.unicode() >= 128) c = '_';
  }
  if (nick != edNickname->text()) edNickname->setText(nick);
}

void TfmLobbyGS::UpdateLobbyButtons() {
  const TLobbyState state = Lobby().LobbyState;
  const bool notConnected = state == NotConnected;
  const bool inLobby = state == InLobby;
  bnLogin->setEnabled(notConnected && edNickname->text().size() > 1);
  bnLogout->setEnabled(inLobby);
  bnClose->setEnabled(notConnected || inLobby);
  bnClose->setText(inLobby ? "Hide, stay avai&lable" : "C&lose");
  const QListWidgetItem* selected = lbPlayers->currentItem();
  bnInvite->setEnabled(inLobby && selected && selected->isSelected() &&
                       selected->text() != FromLatin1(Lobby().Nickname));
  // An accepted invitation waits for the inviter's confirmation: the user may give up waiting too.
  bnCancel->setEnabled(state == Inviting || state == TLobbyState::Accepted);
  edNickname->setEnabled(notConnected);
  const bool privateField = notConnected && CheckedType() == PrivateRoomType;
  edPrivateRoom->setEnabled(privateField);
  SetBase(edPrivateRoom, QApplication::palette().color(privateField ? QPalette::Base : QPalette::Button));
  const QColor chatColor = inLobby ? BackgroundColor : QApplication::palette().color(QPalette::Button);
  SetBase(meChat, chatColor);
  SetBase(edInput, chatColor);
  SetBase(lbPlayers, BackgroundColor);
  SetBase(lbPlaying, BackgroundColor);
}

// Plain text only: a nickname or a line with markup shows as typed.
void TfmLobbyGS::AddChat(const QString& line) { client_.AddToTranscript(line); }

void TfmLobbyGS::Send() {
  if (edInput->text().isEmpty()) return;
  client_.SendChat(Latin1(edInput->text()));
  edInput->clear();
}

void TfmLobbyGS::CopyChat() {
  QApplication::clipboard()->setText(meChat->toPlainText());
  QTextCursor cursor = meChat->textCursor();
  cursor.clearSelection();
  meChat->setTextCursor(cursor);
  edInput->setFocus();
}

void TfmLobbyGS::ChooseFont() {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, meChat->font(), this);
  if (!ok) return;
  ApplyFont(font);
  TFontRecord record;
  record.Name = font.family();
  record.Size = font.pointSize();
  record.Bold = font.bold();
  record.Italic = font.italic();
  record.Underline = font.underline();
  record.StrikeOut = font.strikeOut();
  store_.WriteFont("Lobby", record);
}

void TfmLobbyGS::ChooseColor() {
  const QColor color = QColorDialog::getColor(BackgroundColor, this);
  if (!color.isValid()) return;
  BackgroundColor = color;
  UpdateLobbyButtons();
}

void TfmLobbyGS::ApplyFont(const QFont& font) {
  for (QWidget* widget : std::initializer_list<QWidget*>{meChat, edInput, lbPlayers, lbPlaying}) widget->setFont(font);
}

bool TfmLobbyGS::MayClose() const {
  const TLobbyState state = Lobby().LobbyState;
  return state == NotConnected || state == InLobby || state == InGame;
}

int TfmLobbyGS::CheckedType() const {
  for (int i = 0; i < 3; ++i) {
    if (rbType[i]->isChecked()) return i;
  }
  return JustForFun;
}

void TfmLobbyGS::SetBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void TfmLobbyGS::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  SaveLobbySettings();
  SetBusyCursor(false);
  QDialog::closeEvent(event);
}

void TfmLobbyGS::reject() {
  if (!MayClose()) return;
  SaveLobbySettings();
  SetBusyCursor(false);
  QDialog::reject();
}

}  // namespace tarvelo
